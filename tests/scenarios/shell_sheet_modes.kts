# The main window's sheet commands open the sheet window in its two modes.
click MDIFormKT.MenuCharaSheetText
expect FormTextSheet.visible 1
expect Globals.SheetMode 1
expect FormTextSheet.caption "CHARACTER SHEET"
expect FormTextSheet.state maximized
expect FormTextSheet.MenuMode(1).checked 1
expect FormTextSheet.MenuCrLfMode(1).checked 1
click MDIFormKT.MenuCharaList
expect Globals.SheetMode 0
expect FormTextSheet.caption "CHARACTER SHEET & LIST"
expect FormTextSheet.MenuMode(0).checked 1
expect FormTextSheet.MenuMode(1).checked 0
expect FormTextSheet.MenuCrLfMode(0).checked 1
expect FormTextSheet.MenuCrLfMode(1).checked 0
expect FormTextSheet.FileCL.visible 0

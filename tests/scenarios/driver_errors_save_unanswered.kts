# exit-status 1
# A save dialog with no queued answer stops the script with status 1, as a message box does.
click MDIFormKT.MenuCharaSheetText
click FormTextSheet.MenuOutputHtml
expect Files.Characters never-reached

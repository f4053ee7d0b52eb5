# 閉じる swaps the main window and the sheet window, both ways.
click MDIFormKT.MenuClose
expect FormTextSheet.visible 1
expect FormTextSheet.state maximized
expect MDIFormKT.visible 0
# The child windows keep their own state while the main window is away.
expect FormBase.visible 1
expect FormTextSheet.MenuClose.caption "閉じる(&C)"
expect FormTextSheet.MenuEnd.caption "終了(&E)"
click FormTextSheet.MenuClose
expect MDIFormKT.visible 1
expect MDIFormKT.state maximized
expect FormTextSheet.visible 0
expect FormBase.visible 1
expect FormExp.left 7320

# The sheet's close box while the main window is hidden brings the main window back.
click MDIFormKT.MenuClose
expect MDIFormKT.visible 0
close FormTextSheet
expect MDIFormKT.visible 1
expect MDIFormKT.state maximized

# The sheet's 終了 asks the same question as the main window's.
answer no
click FormTextSheet.MenuEnd
expect FormTextSheet.visible 0

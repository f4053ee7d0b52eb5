# The two modes: captions, the table, the line-break mode each sets, and
# the layout (offscreen screen 12000 × 12000 twips; sizes in whole pixels).
click MDIFormKT.MenuCharaSheetText
expect FormTextSheet.caption "CHARACTER SHEET"
expect FormTextSheet.state maximized
expect FormTextSheet.width 12000
expect FormTextSheet.height 12000
expect FormTextSheet.ListSort.visible 0
expect FormTextSheet.MenuCrLfMode(1).checked 1
expect Globals.CrLfMode 1
# Sheet mode: the text box reaches down to the bottom margin.
expect FormTextSheet.TextSheet.left 2760
expect FormTextSheet.TextSheet.top 120
expect FormTextSheet.TextSheet.width 9090
expect FormTextSheet.TextSheet.height 11385
expect FormTextSheet.ListC.height 6945
expect FormTextSheet.ListC.index 0
expect FormTextSheet.TimerSheet.enabled 0
expect FormTextSheet.TimerFMode.enabled 0
# 一行置き re-renders without leaving the mode; the next switch resets it.
click FormTextSheet.MenuCrLfMode(2)
expect Globals.CrLfMode 2
expect FormTextSheet.MenuCrLfMode(1).checked 0
expect FormTextSheet.MenuCrLfMode(2).checked 1
expect Globals.SheetMode 1
click FormTextSheet.MenuMode(0)
expect Globals.SheetMode 0
expect FormTextSheet.caption "CHARACTER SHEET & LIST"
expect FormTextSheet.MenuMode(0).checked 1
expect FormTextSheet.MenuMode(1).checked 0
expect FormTextSheet.MenuCrLfMode(0).checked 1
expect FormTextSheet.MenuCrLfMode(2).checked 0
expect Globals.CrLfMode 0
# List mode: the text box ends level with the buttons, the table below it.
expect FormTextSheet.ListSort.visible 1
expect FormTextSheet.TextSheet.width 9090
expect FormTextSheet.TextSheet.height 4335
expect FormTextSheet.ListSort.left 2760
expect FormTextSheet.ListSort.top 4560
expect FormTextSheet.ListSort.width 9090
expect FormTextSheet.ListSort.height 6945
expect FormTextSheet.ListC.height 6945
expect FormTextSheet.CommandC.top 4080
expect FormTextSheet.CommandW.left 960
expect FormTextSheet.CommandD.left 1800
expect FormTextSheet.CommandD.width 855
click FormTextSheet.MenuCrLfMode(2)
expect Globals.SheetMode 0
click FormTextSheet.MenuMode(1)
expect FormTextSheet.MenuCrLfMode(1).checked 1
expect FormTextSheet.TextSheet.height 11385
# Minimized, nothing is laid out; the normal state lays out again.
state FormTextSheet minimized
expect FormTextSheet.TextSheet.height 11385
state FormTextSheet normal
expect FormTextSheet.state normal
# The sort and line-break menus carry their captions.
expect FormTextSheet.MenuList.caption ソート(&S)
expect FormTextSheet.MenuCrLf.caption 改行(&R)
expect FormTextSheet.MenuMode0.caption モード(&M)
expect FormTextSheet.MenuMode(0).caption キャラクターリスト(&L)
expect FormTextSheet.MenuMode(1).caption キャラクターシート(&S)
expect FormTextSheet.MenuCrLfMode(2).caption 一行置き(&O)
# The sheet command shows the edited character; coming back from the main
# window rebuilds the list.
activate MDIFormKT
type FormBase.TextChara(0) エディ
click MDIFormKT.MenuCharaSheetText
expect CharaWork.Name エディ
expect FormTextSheet.ListC.item(0) （編集中）エディ

# Every sort order, its check marks, and the stable insertion sort. The
# loaded アリス has file 1, so row 0 stays out of the sorts at first.
click MDIFormKT.MenuCharaList
select FormTextSheet.ListC 1
click FormTextSheet.CommandC
expect Chara.CharaNo 1
expect FormTextSheet.MenuListSort(0).checked 1
expect FormTextSheet.MenuListBar.caption -
expect FormTextSheet.MenuListSort(1).caption 冒険者レベル順(&L)
expect FormTextSheet.MenuListSortSkill(8).caption ドラゴンプリースト技能順(&D)

click FormTextSheet.MenuListSort(1)
expect Globals.ListSortMode 1
expect FormTextSheet.MenuListSort(0).checked 0
expect FormTextSheet.MenuListSort(1).checked 1
expect FormTextSheet.ListC.index -1
expect FormTextSheet.ListC.item(0) （編集中）アリス
expect FormTextSheet.ListC.item(1) ボブ
expect FormTextSheet.ListC.item(2) アリス
expect FormTextSheet.ListC.item(3) キャロル
expect FormTextSheet.ListC.item(4) デイヴ
expect FormTextSheet.ListC.data(1) 2
expect FormTextSheet.ListSort.count 5
expect FormTextSheet.ListSort.data(1) 2
expect FormTextSheet.ListSort.data(4) 4

# Equal experience keeps the level order: ボブ before キャロル.
click FormTextSheet.MenuListSort(2)
expect Globals.ListSortMode 2
expect FormTextSheet.MenuListSort(1).checked 0
expect FormTextSheet.MenuListSort(2).checked 1
expect FormTextSheet.ListC.item(1) ボブ
expect FormTextSheet.ListC.item(2) キャロル
expect FormTextSheet.ListC.item(3) アリス
expect FormTextSheet.ListC.item(4) デイヴ

click FormTextSheet.MenuListSortSkill(8)
expect Globals.ListSortMode 11
expect FormTextSheet.MenuListSort(2).checked 0
expect FormTextSheet.MenuListSortSkill(8).checked 1
expect FormTextSheet.ListC.item(1) キャロル
expect FormTextSheet.ListC.item(2) ボブ
click FormTextSheet.MenuListSortSkill(1)
expect Globals.ListSortMode 4
expect FormTextSheet.MenuListSortSkill(8).checked 0
expect FormTextSheet.MenuListSortSkill(1).checked 1
expect FormTextSheet.ListC.item(1) ボブ
expect FormTextSheet.ListC.item(2) キャロル
click FormTextSheet.MenuListSortSkill(0)
expect FormTextSheet.ListC.item(1) アリス
expect FormTextSheet.ListC.item(2) キャロル
expect FormTextSheet.ListC.item(3) デイヴ
expect FormTextSheet.ListC.item(4) ボブ
click FormTextSheet.MenuListSortSkill(7)
expect FormTextSheet.ListC.item(1) ボブ
click FormTextSheet.MenuListSortSkill(2)
click FormTextSheet.MenuListSortSkill(3)
click FormTextSheet.MenuListSortSkill(4)
click FormTextSheet.MenuListSortSkill(5)
click FormTextSheet.MenuListSortSkill(6)
expect Globals.ListSortMode 9
expect FormTextSheet.ListC.item(1) ボブ

# A table click selects the matching row; with a file for the edited
# character the table's line j is the list's row j.
select FormTextSheet.ListSort 2
expect FormTextSheet.ListC.index 2
expect CharaWork.Name アリス
expect FormTextSheet.CommandC.caption 呼出

click FormTextSheet.MenuListSort(0)
expect Globals.ListSortMode 0
expect FormTextSheet.MenuListSort(0).checked 1
expect FormTextSheet.MenuListSortSkill(6).checked 0
expect FormTextSheet.ListC.item(1) アリス
expect FormTextSheet.ListC.item(4) デイヴ

# Without a file (number 0) row 0 takes part, sorted by its own figures.
type FormBase.TextID 0
key FormBase.TextID enter
click FormTextSheet.MenuListSort(1)
expect FormTextSheet.ListC.item(0) ボブ
expect FormTextSheet.ListC.item(1) （編集中）アリス
expect FormTextSheet.ListC.item(2) アリス
expect FormTextSheet.ListSort.count 6
expect FormTextSheet.ListSort.data(2) 0
select FormTextSheet.ListSort 2
expect FormTextSheet.ListC.index 1
expect FormTextSheet.CommandC.caption 保存
select FormTextSheet.ListSort 1
expect FormTextSheet.ListC.index 0
expect CharaWork.Name ボブ
# The list pass rebuilds the registration order and keeps the sort mode.
activate MDIFormKT
activate FormTextSheet
expect Globals.ListSortMode 1
expect FormTextSheet.ListC.item(0) ボブ
click FormTextSheet.MenuListSort(0)
expect FormTextSheet.ListC.item(0) （編集中）アリス

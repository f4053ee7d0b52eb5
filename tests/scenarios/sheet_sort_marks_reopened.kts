#! --seed 7
# A sheet window made anew (after closing it) checks the sort order still
# in use, not 登録順: the order outlives the window.
click FormTextSheet.MenuListSortSkill(8)
close FormTextSheet
click MDIFormKT.MenuCharaList
expect Globals.ListSortMode 11
expect FormTextSheet.MenuListSort(0).checked 0
expect FormTextSheet.MenuListSortSkill(8).checked 1
click FormTextSheet.MenuListSort(1)
close FormTextSheet
click MDIFormKT.MenuCharaSheetText
expect FormTextSheet.MenuListSort(0).checked 0
expect FormTextSheet.MenuListSort(1).checked 1
expect FormTextSheet.MenuListSortSkill(8).checked 0

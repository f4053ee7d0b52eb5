#! --seed 1
# A sort by experience moves the unsaved edited character's row below the
# files. Whatever selects "row 0" afterwards means the edited character's
# row, not whichever file row a sort put at the top.
click MDIFormKT.MenuCharaList
expect Chara.CharaNo 0
click FormTextSheet.MenuListSort(2)
expect FormTextSheet.ListC.item(0) ナディア・2
expect FormTextSheet.ListC.item(3) （編集中）カイン
expect FormTextSheet.ListC.data(3) 0
# The mode switch selects the edited row: the sheet shows it, 保存 is offered.
click FormTextSheet.MenuMode(1)
expect FormTextSheet.ListC.index 3
expect CharaWork.Name カイン
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandD.enabled 0
click FormTextSheet.MenuMode(0)
expect FormTextSheet.ListC.item(3) （編集中）カイン
# Loading a file: its row goes back to the top, and no file row is relabelled.
# フローラ's portrait is gone: give it up for this sheet.
answer no
select FormTextSheet.ListC 1
expect CharaWork.Name フローラ
click FormTextSheet.CommandC
expect Chara.Name フローラ
expect FormTextSheet.ListC.item(0) （編集中）フローラ
expect FormTextSheet.ListC.data(0) 0
expect FormTextSheet.ListC.index 0
expect FormTextSheet.ListC.item(1) ナディア・2
expect FormTextSheet.ListC.item(2) フローラ
expect FormTextSheet.ListC.item(3) ワット
expect FormTextSheet.ListSort.count 4
expect FormTextSheet.CommandD.enabled 0

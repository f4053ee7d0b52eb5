#! --seed 9
# Three characters saved one after the other, sorted, picked from the table,
# loaded, changed and overwritten; the first one deleted: the files move up,
# the edited character's number follows its file, and the next 上書 writes
# that character's file and no other.
select FormAbility.ComboLace 0
type FormBase.TextChara(0) イチロー
type FormExp.TextExp 20000
key FormExp.TextExp enter
select FormExp.ComboSkill 0
scroll FormExp.HScrollLv 1
click MDIFormKT.MenuCharaList
expect FormTextSheet.CommandC.caption 保存
click FormTextSheet.CommandC
click FormTextSheet.MenuClose

select FormAbility.ComboLace 2
type FormBase.TextChara(0) ジロー
click FormExp.LabelExpS
select FormExp.ComboSkill 6
select FormExp.ComboLevel 4
select FormExp.ComboSkill 7
select FormExp.ComboLevel 2
expect FormExp.ListSkill.item(0) セージ４
expect FormExp.ListSkill.item(1) バード２
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
click FormTextSheet.MenuClose

select FormAbility.ComboLace 3
type FormBase.TextChara(0) サブロー
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc
expect Chara.CharaNo 3
expect FormTextSheet.ListC.count 4
expect FormTextSheet.ListC.item(0) （編集中）サブロー
expect FormTextSheet.ListSort.count 4

# By セージ: ジロー first, the others keep their registration order.
click FormTextSheet.MenuListSortSkill(6)
expect FormTextSheet.MenuListSortSkill(6).checked 1
expect FormTextSheet.MenuListSort(0).checked 0
expect FormTextSheet.ListC.index -1
expect FormTextSheet.ListC.item(1) ジロー
expect FormTextSheet.ListC.item(2) イチロー
expect FormTextSheet.ListC.item(3) サブロー
# The table's セージ column holds ジロー's 4 and the バード column its 2.
expect FormTextSheet.ListSort.item(1) "　２｜ジロー          ｜　４｜　　　８０００｜　―｜　１｜　１｜　―｜　―｜　―｜　４｜　２｜　―｜"

# Picked from the table, the file row's sheet names セージ and バード as they are.
select FormTextSheet.ListSort 1
expect FormTextSheet.ListC.index 1
expect CharaWork.Name ジロー
expect FormTextSheet.CommandC.caption 呼出
expect FormTextSheet.CommandW.enabled 0
expect FormTextSheet.CommandD.enabled 1
click FormTextSheet.CommandC
expect Chara.Name ジロー
expect Chara.CharaNo 2
expect Chara.SkillLevel(6) 4
expect Chara.SkillLevel(7) 2
expect FormExp.ListSkill.item(0) セージ４
expect FormExp.ListSkill.item(1) バード２
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandW.enabled 1

# Changed and overwritten: only its own file changes.
type FormBase.TextChara(1) 物知り
click FormTextSheet.CommandW
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc
readfile Characters/KTC01-02.ktc
expect CharaWork.CommonName 物知り
expect CharaWork.Name ジロー
readfile Characters/KTC01-01.ktc
expect CharaWork.Name イチロー
expect CharaWork.CommonName ""

# The first character deleted: the later files move up a place.
click FormTextSheet.MenuListSort(0)
select FormTextSheet.ListC 1
expect FormTextSheet.ListC.text イチロー
answer yes
click FormTextSheet.CommandD
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc
expect FormTextSheet.ListC.count 3
expect FormTextSheet.ListC.item(1) ジロー
expect FormTextSheet.ListC.item(2) サブロー
expect Chara.CharaNo 1
expect FormBase.TextID.text 1
type FormBase.TextChara(1) 博識の
click FormTextSheet.CommandW
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc
readfile Characters/KTC01-01.ktc
expect CharaWork.Name ジロー
expect CharaWork.CommonName 博識の
expect CharaWork.CharaNo 1
readfile Characters/KTC01-02.ktc
expect CharaWork.Name サブロー
expect CharaWork.CharaNo 2

# いいえ in the confirmation keeps the file.
select FormTextSheet.ListC 2
answer no
click FormTextSheet.CommandD
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc

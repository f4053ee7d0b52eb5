#! --seed 5
# A user closes every editing window, goes to the sheet with 閉じる and loads a
# saved character there: the load must survive the abilities and profile
# windows being created anew, and every reopened window shows it.
select FormAbility.ComboLace 3
type FormBase.TextChara(0) アリス
type FormBase.TextChara(1) 疾風の
type FormExp.TextExp 30000
key FormExp.TextExp enter
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 2
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 1
select FormLang.ComboSong 3
click FormLang.CheckSong
type FormEquip.TextGold 3000
key FormEquip.TextGold enter
select FormEquip.ComboWeapon(0) 1
scroll FormEquip.HScrollSTa(0) 3
select FormEquip.ComboShield 1
select FormEquip.ComboArmor 2
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc
click FormTextSheet.MenuClose

# A different character, then every editing window closed.
select FormAbility.ComboLace 1
close FormEquip
close FormLang
close FormExp
close FormPort
close FormBase
close FormAbility
click MDIFormKT.MenuClose
expect MDIFormKT.visible 0
select FormTextSheet.ListC 1
expect CharaWork.Name アリス
click FormTextSheet.CommandC
expect Chara.Name アリス
expect Chara.CommonName 疾風の
expect Chara.Race 3
expect Chara.SkillLevel(6) 2
expect Chara.SkillLevel(7) 1
expect Chara.SongName(0) シング
expect Chara.WeaponName(0) ダガー
expect Chara.WeaponStr(0) 3
expect Chara.ArmorStr 2
expect Chara.Gold 3000
expect Chara.CharaNo 1
expect FormTextSheet.ListC.item(0) （編集中）アリス

# Back in the main window every reopened window shows the loaded character.
click FormTextSheet.MenuClose
click MDIFormKT.MenuAllOpen
expect FormAbility.ComboLace.text エルフ
expect Chara.Name アリス
expect Chara.Race 3

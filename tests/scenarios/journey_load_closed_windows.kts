#! --seed 5
# A user closes every editing window, goes to the sheet with 閉じる and loads a
# saved character there: the load must survive the abilities and profile
# windows being created anew, and every reopened window shows it.
select FormAbility.ComboLace 0
type FormBase.TextChara(0) アリス
type FormBase.TextChara(1) 疾風の
type FormExp.TextExp 30000
key FormExp.TextExp enter
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 2
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 1
click FormExp.LabelExpS
select FormExp.ComboSkill 5
select FormExp.ComboLevel 2
select FormLang.ComboSong 3
click FormLang.CheckSong
select FormLang.ComboGod 3
select FormLang.ComboLang 5
click FormLang.CheckLang(0)
expect Chara.LangFlag(6,0) 1
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
expect Chara.Race 0
expect Chara.SkillLevel(6) 2
expect Chara.SkillLevel(7) 1
expect Chara.SongName(0) シング
expect Chara.WeaponName(0) ダガー
expect Chara.WeaponStr(0) 3
expect Chara.ArmorStr 2
expect Chara.Gold 3000
expect Chara.CharaNo 1
expect Chara.God 3
expect Chara.LangFlag(6,0) 1
expect Chara.LangName(2,0) エルフ語
expect FormTextSheet.ListC.item(0) （編集中）アリス

# Back in the main window every reopened window shows the loaded character.
click FormTextSheet.MenuClose
click MDIFormKT.MenuAllOpen
expect FormAbility.ComboLace.text 人間
expect FormBase.TextChara(0).text アリス
expect FormLang.ComboGod.text セルナ
expect FormLang.ListLang(0).item(2) エルフ語
expect FormLang.ListSong.item(0) シング
expect FormExp.ListSkill.count 3
expect FormEquip.ComboWeapon(0).text ダガー
expect FormEquip.ComboShield.index 1
expect FormEquip.ComboArmor.index 2
expect FormEquip.TextGold.text 2840
expect Chara.Name アリス
expect Chara.God 3

# Only the skills window closed: its creation by the load asks for a
# languages refresh of its own, which must not cost the chosen language.
select FormAbility.ComboLace 2
close FormExp
click MDIFormKT.MenuCharaList
select FormTextSheet.ListC 1
click FormTextSheet.CommandC
expect Chara.Name アリス
expect Chara.LangFlag(6,0) 1
expect Chara.LangName(2,0) エルフ語
expect FormLang.ListLang(0).count 3
expect Chara.SkillLevel(5) 2

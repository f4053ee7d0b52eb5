#! --seed 11
# Given languages: only the mother tongue 東方語/西方語 may be put down (the
# two swap); every other given language beeps and stays. Deletes and the
# two reset buttons. A 人間 一般市民 with 知力 14, mother tongue 東方語.
expect Chara.NativeLanguage 2
expect Chara.Ability(2) 14
type FormExp.TextExp 100000
key FormExp.TextExp enter

# ソーサラー 1: 下位古代語 grey in both columns, "上位古代語" just before it.
select FormExp.ComboSkill 3
scroll FormExp.HScrollLv 1
expect FormLang.ListLang(0).count 4
expect FormLang.ListLang(0).item(2) 上位古代語
expect FormLang.ListLang(0).data(2) -1
expect FormLang.ListLang(0).item(3) 下位古代語
expect FormLang.ListLang(1).count 4
expect FormLang.ListLang(1).item(0) 共通語
expect FormLang.ListLang(1).item(1) 東方語
expect FormLang.ListLang(1).item(2) 上位古代語
expect FormLang.ListLang(1).item(3) 下位古代語
expect Chara.LangName(2,1) 上位古代語
expect Chara.LangFlag(0,0) 3
# シャーマン 1: "精霊語" last, in the speak list only.
select FormExp.ComboSkill 4
scroll FormExp.HScrollLv 1
expect FormLang.ListLang(0).count 5
expect FormLang.ListLang(0).item(4) 精霊語
expect FormLang.ListLang(0).data(4) -1
expect Chara.LangName(4,0) 精霊語
expect FormLang.ListLang(1).count 4

# Clearing the grey 共通語 beeps and sets it again, in either column.
expect FormLang.ComboLang.index 0
click FormLang.CheckLang(0)
expect App.beeps 1
expect FormLang.CheckLang(0).value 2
expect Chara.LangFlag(1,0) 2
click FormLang.CheckLang(1)
expect App.beeps 2
expect FormLang.CheckLang(1).value 2
# So does a human's given 下位古代語: the mother tongue stays 東方語.
select FormLang.ComboLang 4
click FormLang.CheckLang(0)
expect App.beeps 3
expect FormLang.CheckLang(0).value 2
click FormLang.CheckLang(1)
expect App.beeps 4
expect Chara.NativeLanguage 2
expect FormLang.ListLang(0).item(1) 東方語

# Clearing the grey 東方語 makes 西方語 the mother tongue.
select FormLang.ComboLang 1
click FormLang.CheckLang(0)
expect App.beeps 4
expect Chara.NativeLanguage 3
expect FormLang.ListLang(0).item(1) 西方語
expect FormLang.ListLang(1).item(1) 西方語
expect Chara.LangFlag(2,0) 0
expect Chara.LangFlag(3,0) 2
expect Chara.LangFlag(3,1) 2
expect FormLang.ComboLang.index 0
# ... and clearing the read 西方語 turns it back.
select FormLang.ComboLang 2
click FormLang.CheckLang(1)
expect Chara.NativeLanguage 2
expect FormLang.ListLang(1).item(1) 東方語

# Delete: nothing selected, and the two fixed rows, beep.
click FormLang.CommandLangDelete(0)
expect App.beeps 5
select FormLang.ListLang(0) 2
click FormLang.CommandLangDelete(0)
expect App.beeps 6
select FormLang.ListLang(0) 4
click FormLang.CommandLangDelete(0)
expect App.beeps 7
select FormLang.ListLang(1) 2
click FormLang.CommandLangDelete(1)
expect App.beeps 8
expect FormLang.ListLang(0).count 5
expect FormLang.ListLang(1).count 4
# A given language can be deleted; the reset brings it back.
select FormLang.ListLang(1) 0
click FormLang.CommandLangDelete(1)
expect App.beeps 8
expect Chara.LangFlag(1,1) 0
expect FormLang.ListLang(1).count 3
expect FormLang.ListLang(1).item(0) 東方語
expect Chara.LangName(3,1) ""
expect FormLang.LabelMaxLang(1).caption 0
click FormLang.CommandReset(1)
expect Chara.LangFlag(1,1) 2
expect FormLang.ListLang(1).count 4

# セージ 2 with 知力 14: two picks. Chosen languages are deleted as well.
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 2
expect FormLang.LabelMaxLang(0).caption 2
select FormLang.ComboLang 13
click FormLang.CheckLang(0)
select FormLang.ComboLang 6
click FormLang.CheckLang(1)
expect FormLang.LabelMaxLang(0).caption 0
expect FormLang.ListLang(0).item(4) マーマン語
expect FormLang.ListLang(0).data(4) 14
expect FormLang.ListLang(1).item(4) ドワーフ語
select FormLang.ListLang(0) 4
click FormLang.CommandLangDelete(0)
expect Chara.LangFlag(14,0) 0
expect FormLang.LabelMaxLang(0).caption 1
expect FormLang.ListLang(0).count 5
# The language being looked at shows the deleted state.
select FormLang.ComboLang 13
select FormLang.ListLang(1) 4
click FormLang.CommandLangDelete(1)
expect Chara.LangFlag(7,1) 0
expect FormLang.CheckLang(0).value 0
expect FormLang.LabelMaxLang(1).caption 2

# Both reset buttons drop the chosen languages and restore the given ones.
click FormLang.CheckLang(0)
expect Chara.LangFlag(14,0) 1
select FormLang.ListLang(0) 0
click FormLang.CommandLangDelete(0)
expect Chara.LangFlag(1,0) 0
click FormLang.CommandReset(0)
expect Chara.LangFlag(14,0) 0
expect Chara.LangFlag(1,0) 2
expect FormLang.ListLang(0).count 5
expect FormLang.ComboLang.index 0
expect FormLang.LabelMaxLang(0).caption 2
select FormLang.ComboLang 9
click FormLang.CheckLang(0)
click FormLang.CommandReset(1)
expect Chara.LangFlag(10,0) 0
expect FormLang.LabelMaxLang(0).caption 2
expect FormLang.LabelMaxLang(1).caption 2
expect App.beeps 8

#! --seed 11
# The languages a 人間 gets free and the picks it may choose, in the window:
# too many languages are refused with a beep in either column.
# This seed rolls a 一般市民 without skills whose mother tongue is 東方語.
expect FormExp.LabelHome.caption 一般市民
expect Chara.NativeLanguage 2

# 知力 5: speaks 共通語 and 東方語, both grey; reads nothing; no picks.
type FormAbility.TextAbility(2) 5
key FormAbility.TextAbility(2) enter
expect FormLang.ComboLang.index 0
expect FormLang.CheckLang(0).value 2
expect FormLang.CheckLang(1).value 0
expect FormLang.ListLang(0).count 2
expect FormLang.ListLang(0).item(0) 共通語
expect FormLang.ListLang(0).data(0) 1
expect FormLang.ListLang(0).item(1) 東方語
expect FormLang.ListLang(0).data(1) 2
expect FormLang.ListLang(1).count 0
expect FormLang.LabelMaxLang(0).caption 0
expect FormLang.LabelMaxLang(1).caption 0
expect Chara.LangFlag(0,0) 2
expect Chara.LangFlag(0,1) 0
expect Chara.LangName(0,0) 共通語
expect Chara.LangName(1,0) 東方語
expect Chara.LangName(2,0) ""
expect Chara.LangName(0,1) ""

select FormLang.ComboLang 1
expect FormLang.CheckLang(0).value 2
expect FormLang.CheckLang(1).value 0
select FormLang.ComboLang 3
expect FormLang.ComboLang.text イルマ語
click FormLang.CheckLang(0)
expect App.beeps 1
expect FormLang.CheckLang(0).value 0
expect Chara.LangFlag(4,0) 0
expect FormLang.ListLang(0).count 2
click FormLang.CheckLang(1)
expect App.beeps 2
expect FormLang.CheckLang(1).value 0
expect FormLang.ListLang(1).count 0

# 知力 6 to 11 reads the mother tongue, 12 also 共通語.
type FormAbility.TextAbility(2) 11
key FormAbility.TextAbility(2) enter
expect FormLang.ListLang(1).count 1
expect FormLang.ListLang(1).item(0) 東方語
expect FormLang.CheckLang(0).value 2
expect FormLang.CheckLang(1).value 0
type FormAbility.TextAbility(2) 12
key FormAbility.TextAbility(2) enter
expect FormLang.ListLang(1).count 2
expect FormLang.ListLang(1).item(0) 共通語
expect FormLang.ListLang(1).item(1) 東方語
expect FormLang.CheckLang(1).value 2
expect Chara.LangFlag(0,1) 2
expect FormLang.LabelMaxLang(1).caption 0

# A ケンタウロス語 cannot be read: the box is disabled.
select FormLang.ComboLang 8
expect FormLang.ComboLang.text ケンタウロス語
expect FormLang.CheckLang(1).enabled 0
click FormLang.CheckLang(1)
expect FormLang.CheckLang(1).value 0
select FormLang.ComboLang 6
expect FormLang.CheckLang(1).enabled 1

# セージ 3 with 知力 10: reads 共通語 (first level) and 下位古代語 (one
# pick), one pick left in both columns.
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 3
type FormAbility.TextAbility(2) 10
key FormAbility.TextAbility(2) enter
expect Chara.SkillLevel(6) 3
expect FormLang.ListLang(0).count 2
expect FormLang.ListLang(1).count 3
expect FormLang.ListLang(1).item(0) 共通語
expect FormLang.ListLang(1).item(1) 東方語
expect FormLang.ListLang(1).item(2) 下位古代語
expect FormLang.LabelMaxLang(0).caption 1
expect FormLang.LabelMaxLang(1).caption 1
expect FormLang.ComboLang.index 0

# The pick spent on speaking イルマ語 ...
select FormLang.ComboLang 3
click FormLang.CheckLang(0)
expect FormLang.CheckLang(0).value 1
expect Chara.LangFlag(4,0) 1
expect FormLang.ListLang(0).count 3
expect FormLang.ListLang(0).item(2) イルマ語
expect Chara.LangName(2,0) イルマ語
expect FormLang.LabelMaxLang(0).caption 0
expect FormLang.LabelMaxLang(1).caption 0
# ... leaves none for reading it.
click FormLang.CheckLang(1)
expect App.beeps 3
expect FormLang.CheckLang(1).value 0
expect FormLang.ListLang(1).count 3
# Put down again, the pick goes to reading エルフ語.
click FormLang.CheckLang(0)
expect Chara.LangFlag(4,0) 0
expect FormLang.LabelMaxLang(1).caption 1
select FormLang.ComboLang 5
click FormLang.CheckLang(1)
expect Chara.LangFlag(6,1) 1
expect FormLang.ListLang(1).item(3) エルフ語
expect FormLang.LabelMaxLang(0).caption 0
expect FormLang.LabelMaxLang(1).caption 0
select FormLang.ComboLang 7
click FormLang.CheckLang(0)
expect App.beeps 4
expect Chara.LangFlag(8,0) 0
# Looking at a language again shows its state.
select FormLang.ComboLang 5
expect FormLang.CheckLang(0).value 0
expect FormLang.CheckLang(1).value 1

# バード 2 without セージ: two more spoken at no pick, nothing more read.
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 0
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 2
expect FormLang.ListLang(1).count 1
expect FormLang.LabelMaxLang(0).caption 2
expect FormLang.LabelMaxLang(1).caption 0
select FormLang.ComboLang 9
click FormLang.CheckLang(0)
select FormLang.ComboLang 10
click FormLang.CheckLang(0)
expect FormLang.ListLang(0).count 4
expect FormLang.LabelMaxLang(0).caption 0
select FormLang.ComboLang 11
click FormLang.CheckLang(0)
expect App.beeps 5
expect FormLang.ListLang(0).count 4
select FormLang.ComboLang 3
click FormLang.CheckLang(1)
expect App.beeps 6
expect Chara.LangFlag(4,1) 0

#! --seed 11
# The deity rules of the languages window: a プリースト draws a deity when
# it has none, a ドラゴンプリースト and an エルフ have none, and the skills
# window's priest row follows the deity.
expect Chara.God 2
expect FormLang.ComboGod.index 2
expect FormLang.ComboGod.text ヴァルカ
expect Globals.ProfileLock(5) 0
# A refresh is no choice by hand.
click FormLang.CommandReset(0)
expect Globals.ProfileLock(5) 0
# Without priest skills なし stays なし, and the choice is the user's.
select FormLang.ComboGod 0
expect Chara.God 0
expect Globals.ProfileLock(5) 1
click FormLang.CommandReset(0)
expect Globals.ProfileLock(5) 1

# プリースト 1 with なし: every deity run draws one of entries 1 to 5.
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 5
scroll FormExp.HScrollLv 1
# The refresh the level change asks for is such a run.
expect Chara.God 1
expect FormLang.ComboGod.index 1
select FormLang.ComboGod 0
expect Chara.God 4
expect FormLang.ComboGod.index 4
select FormLang.ComboGod 0
expect Chara.God 3
# A chosen deity stays; a dark one makes the row ダークプリースト.
select FormLang.ComboGod 6
expect Chara.God 6
expect FormExp.ListSkill.item(0) ダークプリースト１
select FormLang.ComboGod 10
expect FormExp.ListSkill.item(0) プリースト１
select FormLang.ComboGod 11
expect FormExp.ListSkill.item(0) ダークプリースト１

# A deity change asks the skills window to refresh, which asks this window
# in turn: the languages chosen stay all the same (a skill change drops them).
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 1
select FormLang.ComboLang 9
click FormLang.CheckLang(0)
expect Chara.LangFlag(10,0) 1
select FormLang.ComboGod 2
expect Chara.God 2
expect FormExp.ListSkill.item(0) プリースト１
expect Chara.LangFlag(10,0) 1
expect FormLang.ListLang(0).item(2) ゴブリン語
expect FormLang.LabelMaxLang(0).caption 0
scroll FormExp.HScrollLv 0
expect Chara.LangFlag(10,0) 0
expect FormLang.ListLang(0).count 2

# ドラゴンプリースト: always なし, also at the refresh its level change asks for.
select FormExp.ComboSkill 8
scroll FormExp.HScrollLv 1
expect Chara.SkillLevel(8) 1
expect Chara.God 0
expect FormLang.ComboGod.index 0
select FormLang.ComboGod 4
expect Chara.God 0
expect FormLang.ComboGod.index 0
scroll FormExp.HScrollLv 0
select FormLang.ComboGod 4
expect Chara.God 4

# An エルフ: generation leaves no deity behind, nor does any choice.
select FormAbility.ComboLace 3
expect Chara.God 0
expect FormLang.ComboGod.index 0
select FormLang.ComboGod 7
expect Chara.God 0
expect FormLang.ComboGod.index 0
click FormAbility.CommandRun
expect Chara.God 0
# A ダークエルフ keeps what it chooses.
select FormAbility.ComboLace 7
select FormLang.ComboGod 12
expect Chara.God 12
expect FormLang.ComboGod.text ネクサ

#! --seed 5
# Adventurer skills in the skills window: the skill list and its restore
# index, deleting, resetting, the priest rules and the race restrictions.
# A ノーブルリザードマン: ファイター 1 and レンジャー 1 at birth, 3500 points.
select FormAbility.ComboLace 8
expect Chara.BirthSkillLevel(0) 1
expect Chara.BirthSkillLevel(2) 1
expect Chara.ExpTotal 3500
expect FormExp.ComboSkill.text ファイター
expect FormExp.LabelLv.caption 1
expect FormExp.TextExp.text 2000
expect FormExp.HScrollLv.min 1
expect FormExp.HScrollLv.max 2
expect FormExp.ListSkill.count 2
expect FormExp.ListSkill.item(0) ファイター１
expect FormExp.ListSkill.item(1) レンジャー１
expect FormExp.ListSkill.index -1

type FormExp.TextExp 20000
key FormExp.TextExp enter
expect Chara.ExpTotal 21500
scroll FormExp.HScrollLv 3
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 2
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 1
expect FormExp.ListSkill.count 4
expect FormExp.ListSkill.item(0) ファイター３
expect FormExp.ListSkill.item(1) セージ２
expect FormExp.ListSkill.item(2) レンジャー１
expect FormExp.ListSkill.item(3) バード１
expect FormExp.ListSkill.data(3) 7

# A row whose skill is already chosen keeps its index for the next rebuild...
select FormExp.ListSkill 3
expect FormExp.ComboSkill.text バード
type FormExp.TextExp 15000
key FormExp.TextExp enter
expect FormExp.ListSkill.index 3
# ...but not when the list has become shorter than it
select FormExp.ListSkill 3
scroll FormExp.HScrollLv 0
expect Chara.SkillLevel(7) 0
expect FormExp.ListSkill.count 3
expect FormExp.ListSkill.index -1

# A row click chooses the row's skill
select FormExp.ListSkill 1
expect FormExp.ComboSkill.text セージ
expect FormExp.LabelLv.caption 2
expect FormExp.ListSkill.index 1

# A skill granted at birth cannot be deleted in held mode; others can
select FormExp.ListSkill 0
expect FormExp.ComboSkill.text ファイター
click FormExp.CommandDelete
expect Chara.SkillLevel(0) 3
select FormExp.ListSkill 1
click FormExp.CommandDelete
expect Chara.SkillLevel(6) 0
expect FormExp.ListSkill.count 2
expect FormExp.ListSkill.index -1
# with no row selected nothing happens
click FormExp.CommandDelete
expect FormExp.ListSkill.count 2
# The birth floor holds the bar in held mode
select FormExp.ComboSkill 0
expect FormExp.HScrollLv.min 1
scroll FormExp.HScrollLv 0
expect Chara.SkillLevel(0) 1

# プリースト and ドラゴンプリースト exclude each other; the skill just set wins
select FormExp.ComboSkill 5
scroll FormExp.HScrollLv 2
expect Chara.SkillLevel(5) 2
select FormExp.ComboSkill 8
scroll FormExp.HScrollLv 1
expect Chara.SkillLevel(8) 1
expect Chara.SkillLevel(5) 0
select FormExp.ComboSkill 5
scroll FormExp.HScrollLv 2
expect Chara.SkillLevel(5) 2
expect Chara.SkillLevel(8) 0

# A dark deity lists the priest as ダークプリースト; its row chooses プリースト
select FormLang.ComboGod 6
expect Chara.God 6
expect FormExp.ListSkill.item(0) ダークプリースト２
select FormExp.ComboSkill 0
select FormExp.ListSkill 0
expect FormExp.ComboSkill.text プリースト
expect FormExp.ComboSkill.index 5
select FormLang.ComboGod 10
expect FormExp.ListSkill.item(0) プリースト２

# Total mode: any level, and birth skills may be deleted
click FormExp.LabelExpS
select FormExp.ComboSkill 6
select FormExp.ComboLevel 12
select FormExp.ComboSkill 3
select FormExp.ComboLevel 12
# セージ 12 and ソーサラー 12: the discount stops at level 10
expect FormExp.LabelExp.caption *172000
expect Chara.SkillExp(6) 115000
expect Chara.ExpSpent 266500
select FormExp.ListSkill 1
expect FormExp.ComboSkill.text セージ
click FormExp.CommandDelete
expect Chara.SkillLevel(6) 0
expect FormExp.LabelExp.caption 0
expect FormExp.ComboLevel.index 0
expect Chara.ExpSpent 176000
# reset in total mode: every skill to 0
click FormExp.CommandReset
expect Chara.AdventurerLevel 0
expect Chara.ExpSpent 0
expect FormExp.ListSkill.count 0
expect FormExp.LabelTotalExp.caption 0
# back in held mode the next level change applies the birth floors
click FormExp.LabelExpS
expect Chara.SkillLevel(0) 0
select FormExp.ComboSkill 0
expect Chara.SkillLevel(0) 1
expect FormExp.LabelLv.caption 1
# reset in held mode: every skill to its birth level
select FormExp.ComboSkill 2
scroll FormExp.HScrollLv 3
click FormExp.CommandReset
expect Chara.SkillLevel(0) 1
expect Chara.SkillLevel(2) 1
expect Chara.SkillLevel(5) 0
expect Chara.ExpSpent 1500
expect FormExp.LabelLv.caption 1
expect FormExp.ListSkill.count 2

# Held experience out of the 32-bit range: a beep, the old text, no change
expect Chara.ExpTotal 22000
expect FormExp.TextExp.text 20500
expect App.beeps 0
type FormExp.TextExp 2147482147
key FormExp.TextExp enter
expect Chara.ExpTotal 2147483647
expect FormExp.TextExp.text 2147482147
type FormExp.TextExp 2147482148
key FormExp.TextExp enter
expect App.beeps 1
expect Chara.ExpTotal 2147483647
expect FormExp.TextExp.text 2147482147
type FormExp.TextExp -2147485148
key FormExp.TextExp enter
expect Chara.ExpTotal -2147483648
expect FormExp.TextExp.text -2147485148
type FormExp.TextExp -2147485149
key FormExp.TextExp enter
expect App.beeps 2
expect Chara.ExpTotal -2147483648
expect FormExp.TextExp.text -2147485148
type FormExp.TextExp 1e12
key FormExp.TextExp enter
expect App.beeps 3
expect FormExp.TextExp.text -2147485148
type FormExp.TextExp nothing
key FormExp.TextExp enter
expect Chara.ExpTotal 1500
expect FormExp.TextExp.text 0

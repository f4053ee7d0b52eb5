#! --seed 3
# General skills in the skills window: slots, points, the birth skill's
# floor, full slots, refused levels, deleting and resetting.
# A ドワーフ: クラフトマン 5 at birth out of 5 points.
select FormAbility.ComboLace 1
expect Chara.GeneralSkillPoints 5
expect Chara.BirthGeneralSkill クラフトマン
expect Chara.BirthGeneralSkillLevel 5
click FormExp.LabelSType
expect FormExp.TextExp.text 5
expect FormExp.ComboNSkill.text マーチャント

# The birth skill: floor and ceiling 5, nothing left
select FormExp.ComboNSkill 1
expect FormExp.LabelLv.caption 5
expect FormExp.HScrollLv.min 5
expect FormExp.HScrollLv.max 5
expect FormExp.LabelExp.caption 0
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) クラフトマン５
# another skill gets a free slot but no level
select FormExp.ComboNSkill 2
expect FormExp.LabelLv.caption 0
expect FormExp.HScrollLv.min 0
expect FormExp.HScrollLv.max 0
# more points: the ceiling follows, the floor stays with the birth skill only
type FormExp.TextExp 10
key FormExp.TextExp enter
expect Chara.GeneralSkillPoints 10
expect FormExp.HScrollLv.max 5
expect FormExp.LabelExp.caption 5
scroll FormExp.HScrollLv 2
expect FormExp.LabelExp.caption 3
expect FormExp.HScrollLv.min 0
expect FormExp.ListSkill.item(1) ヒーラー２
# a typed name takes the next free slot, on every keystroke
type FormExp.ComboNSkill ファーマー
expect FormExp.ComboNSkill.index -1
expect Chara.GeneralSkillName(2) ファーマー
scroll FormExp.HScrollLv 1
select FormExp.ComboNSkill 3
scroll FormExp.HScrollLv 1
select FormExp.ComboNSkill 4
scroll FormExp.HScrollLv 1
expect FormExp.LabelExp.caption 0
expect FormExp.ListSkill.count 5
expect FormExp.ListSkill.item(4) セイラー１

# Five slots used: a sixth name beeps and shows ×
expect App.beeps 0
select FormExp.ComboNSkill 0
expect App.beeps 1
expect FormExp.LabelLv.caption ×
expect FormExp.HScrollLv.min 0
expect FormExp.HScrollLv.max 0
expect FormExp.HScrollLv.value 0
scroll FormExp.HScrollLv 1
expect FormExp.LabelLv.caption ×
expect Chara.GeneralSkillName(0) クラフトマン

# The birth skill cannot be deleted; another one can, and its slot is free
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect Chara.GeneralSkillLevel(0) 5
select FormExp.ListSkill 1
click FormExp.CommandDelete
# the freed slot goes to the name shown, which sorts after the others
expect App.beeps 1
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption 2
expect FormExp.HScrollLv.max 2
expect FormExp.ListSkill.count 4
expect Chara.GeneralSkillName(4) マーチャント
expect Chara.GeneralSkillLevel(4) 0
scroll FormExp.HScrollLv 2
expect Chara.GeneralSkillName(1) マーチャント
expect FormExp.ListSkill.item(1) マーチャント２

# Fewer points than levels in use: the level is refused, the old one kept
type FormExp.TextExp 8
key FormExp.TextExp enter
expect Chara.GeneralSkillPoints 8
expect App.beeps 2
expect Chara.GeneralSkillLevel(1) 2
expect FormExp.HScrollLv.value 2
scroll FormExp.HScrollLv 0
expect App.beeps 2
expect FormExp.LabelExp.caption 0
expect FormExp.HScrollLv.max 0

# Points out of the 16-bit range: a beep, the old text, no change
type FormExp.TextExp 32768
key FormExp.TextExp enter
expect App.beeps 3
expect Chara.GeneralSkillPoints 8
expect FormExp.TextExp.text 8
type FormExp.TextExp -32769
key FormExp.TextExp enter
expect App.beeps 4
expect FormExp.TextExp.text 8
# halves round away from zero
type FormExp.TextExp 9.5
key FormExp.TextExp enter
expect Chara.GeneralSkillPoints 10
expect FormExp.LabelExp.caption 2

# Reset: the birth skill back to its birth level, every other one to 0
select FormExp.ComboNSkill 1
scroll FormExp.HScrollLv 7
expect Chara.GeneralSkillLevel(0) 7
click FormExp.CommandReset
expect Chara.GeneralSkillLevel(0) 5
expect Chara.GeneralSkillName(0) クラフトマン
expect FormExp.ListSkill.count 1
expect FormExp.LabelLv.caption 5
expect FormExp.LabelExp.caption 5
expect FormExp.HScrollLv.min 5

# Switching to general skills shows the general skill at once: the bar takes
# the general range, so no adventurer level can reach a general slot
select FormLang.ComboGod 2
expect FormExp.LabelSType.caption 冒険者技能
click FormExp.LabelExpS
select FormExp.ComboLevel 20
click FormExp.LabelSType
expect FormExp.LabelSType.caption 一般技能
expect FormExp.ComboNSkill.text クラフトマン
expect FormExp.HScrollLv.value 5
expect FormExp.HScrollLv.min 5
expect FormExp.HScrollLv.max 10
expect FormExp.LabelLv.caption 5
expect FormExp.LabelExp.caption 5
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) クラフトマン５
scroll FormExp.HScrollLv 6
expect Chara.GeneralSkillLevel(0) 6
scroll FormExp.HScrollLv 5

# Race restrictions: a ドワーフ takes no ソーサラー or シャーマン, but プリースト
select FormLang.ComboGod 3
click FormExp.LabelExpS
select FormExp.ComboSkill 3
select FormExp.ComboLevel 3
expect Chara.SkillLevel(3) 0
expect FormExp.HScrollLv.max 0
expect FormExp.LabelExp.caption 0
select FormExp.ComboSkill 4
select FormExp.ComboLevel 1
expect Chara.SkillLevel(4) 0
select FormExp.ComboSkill 5
select FormExp.ComboLevel 3
expect Chara.SkillLevel(5) 3
# an エルフ takes no プリースト
select FormAbility.ComboLace 3
click FormExp.LabelExpS
select FormExp.ComboSkill 5
select FormExp.ComboLevel 3
expect Chara.SkillLevel(5) 0
expect FormExp.LabelExp.caption 0
select FormExp.ComboSkill 3
select FormExp.ComboLevel 3
expect Chara.SkillLevel(3) 3
# in held mode the bar of a restricted skill stops at 0
click FormExp.LabelExpS
select FormExp.ComboSkill 8
expect FormExp.HScrollLv.max 0
expect FormExp.LabelLv.caption なし

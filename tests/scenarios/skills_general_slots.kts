#! --seed 3
# Deleting or resetting general skills never wipes or doubles another skill's
# level: a name keeps its own slot even when a freed slot lies ahead of it.
select FormAbility.ComboLace 1
click FormExp.LabelSType
type FormExp.TextExp 20
key FormExp.TextExp enter
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 8
select FormExp.ComboNSkill 3
scroll FormExp.HScrollLv 3
expect FormExp.ListSkill.count 3
expect FormExp.ListSkill.item(0) ヒーラー８
expect FormExp.ListSkill.item(1) クラフトマン５
expect FormExp.ListSkill.item(2) ハンター３
# The shown skill is ハンター; deleting ヒーラー frees slot 0 ahead of it.
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect FormExp.ListSkill.count 2
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.ListSkill.item(1) ハンター３
expect FormExp.LabelLv.caption 3
expect App.beeps 0

# With the birth skill shown, deleting another skill lowers nothing.
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 7
select FormExp.ComboNSkill 1
expect FormExp.ListSkill.item(0) ヒーラー７
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect FormExp.ListSkill.count 2
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.ListSkill.item(1) ハンター３
# Reset keeps one クラフトマン at its birth level, nothing doubled.
click FormExp.CommandReset
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.LabelExp.caption 15
expect App.beeps 0

# A level the race refuses does not stay shown in total-experience mode.
click FormExp.LabelSType
click FormExp.LabelExpS
select FormExp.ComboSkill 3
select FormExp.ComboLevel 3
expect Chara.SkillLevel(3) 0
expect FormExp.ComboLevel.index 0
expect FormExp.LabelExp.caption 0

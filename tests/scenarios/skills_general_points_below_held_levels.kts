#! --seed 1
# Points typed below the general levels held refuse even the level a skill
# already has; switching to general skills must still show general figures,
# not the adventurer list, level and cost left from before.
click FormExp.LabelExpS
select FormExp.ComboSkill 0
select FormExp.ComboLevel 2
click FormExp.LabelSType
type FormExp.TextExp "-9"
key FormExp.TextExp enter
click FormExp.LabelSType
expect FormExp.ListSkill.item(0) ファイター２
click FormExp.LabelSType
expect FormExp.LabelSType.caption 一般技能
expect Chara.GeneralSkillPoints -9
expect FormExp.ListSkill.count 0
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption -9
expect FormExp.HScrollLv.value 0

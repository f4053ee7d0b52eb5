#! --seed 101
# A general level the points no longer cover: the window shows the general
# figures all the same, and 削除 removes the row that was selected.
# A 人間 with シャーマン１ and no birth general skill.
select FormAbility.ComboLace 0
click FormAbility.CommandRun
expect FormExp.ListSkill.item(0) シャーマン１
click FormExp.LabelSType
type FormExp.TextExp 5
key FormExp.TextExp enter
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 3
expect FormExp.LabelExp.caption 2

# Fewer points than the level: refused, and the level, the shortfall and the
# general rows are shown, not what was there before
type FormExp.TextExp 2
key FormExp.TextExp enter
expect App.beeps 1
expect Chara.GeneralSkillLevel(0) 3
expect FormExp.LabelLv.caption 3
expect FormExp.LabelExp.caption -1
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) ヒーラー３

# Away and back: adventurer rows, then the general rows again. The general
# row picked before the switch selects no adventurer row, so 削除 does nothing.
select FormExp.ListSkill 0
click FormExp.LabelSType
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) シャーマン１
expect FormExp.ListSkill.index -1
click FormExp.CommandDelete
expect Chara.SkillLevel(4) 1
expect FormExp.LabelE.caption 必要経験点
click FormExp.LabelSType
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) ヒーラー３
expect FormExp.LabelLv.caption 3
expect FormExp.LabelExp.caption -1
expect FormExp.TextExp.text 2

# 削除 on row 0 removes ヒーラー, the skill that row shows
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect Chara.GeneralSkillLevel(0) 0
expect Chara.SkillLevel(4) 1
expect FormExp.ListSkill.count 0
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption 2

# Typed points show as the number they were taken as
type FormExp.TextExp 3.5abc
key FormExp.TextExp enter
expect Chara.GeneralSkillPoints 4
expect FormExp.TextExp.text 4
expect FormExp.LabelExp.caption 4

#! --seed 101
# A general skill without a slot ("×"): the window still shows the general
# rows and the remaining number, and 削除 removes the row that was selected.
# A 人間 with シャーマン１ and no birth general skill.
select FormAbility.ComboLace 0
click FormAbility.CommandRun
click FormExp.LabelSType
type FormExp.TextExp 7
key FormExp.TextExp enter
select FormExp.ComboNSkill 0
scroll FormExp.HScrollLv 2
select FormExp.ComboNSkill 1
scroll FormExp.HScrollLv 1
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 1
select FormExp.ComboNSkill 3
scroll FormExp.HScrollLv 1
select FormExp.ComboNSkill 4
scroll FormExp.HScrollLv 1
expect FormExp.ListSkill.count 5
expect FormExp.LabelExp.caption 1

# A sixth name: ×, with the figures of the five
type FormExp.ComboNSkill ファーマー
expect App.beeps 1
expect FormExp.LabelLv.caption ×
expect FormExp.LabelExp.caption 1
expect FormExp.ListSkill.count 5

# Away and back: adventurer rows, then the general rows again
click FormExp.LabelSType
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) シャーマン１
click FormExp.LabelSType
expect App.beeps 2
expect FormExp.LabelLv.caption ×
expect FormExp.LabelExp.caption 1
expect FormExp.ListSkill.count 5
expect FormExp.ListSkill.item(0) マーチャント２
expect FormExp.ListSkill.item(4) セイラー１

# More points while the name has no slot: the remaining number follows
type FormExp.TextExp 9
key FormExp.TextExp enter
expect App.beeps 3
expect FormExp.LabelLv.caption ×
expect FormExp.LabelExp.caption 3
expect FormExp.ListSkill.count 5

# 削除 on row 0 removes マーチャント only; the shown name takes the freed slot
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect FormExp.ListSkill.count 4
expect FormExp.ListSkill.item(0) クラフトマン１
expect FormExp.ListSkill.item(3) セイラー１
expect Chara.GeneralSkillName(4) ファーマー
expect Chara.GeneralSkillLevel(4) 0
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption 5
expect App.beeps 3

#! --seed 3
# Deletes and resets while the points are short: no sort closes the gaps
# between the used slots, yet each row still deletes its own skill and the
# window keeps showing the general figures.
# A ドワーフ: クラフトマン 5 at birth out of 5 points, no adventurer skill.
select FormAbility.ComboLace 1
click FormExp.LabelSType
type FormExp.TextExp 9
key FormExp.TextExp enter
select FormExp.ComboNSkill 0
scroll FormExp.HScrollLv 3
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 1
expect FormExp.ListSkill.count 3
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.ListSkill.item(1) マーチャント３
expect FormExp.ListSkill.item(2) ヒーラー１
expect FormExp.ListSkill.data(2) 2

# Points under the levels: refused
type FormExp.TextExp 4
key FormExp.TextExp enter
expect App.beeps 1
expect FormExp.LabelExp.caption -5

# 削除 on マーチャント frees slot 1; ヒーラー stays refused, so nothing sorts
select FormExp.ListSkill 1
click FormExp.CommandDelete
expect Chara.GeneralSkillLevel(1) 0
expect FormExp.ListSkill.count 2
expect FormExp.ListSkill.item(1) ヒーラー１
expect FormExp.ListSkill.data(1) 2
expect FormExp.LabelLv.caption 1
expect FormExp.LabelExp.caption -2
# Row 1 now shows slot 2: 削除 removes ヒーラー, not the freed slot 1
select FormExp.ListSkill 1
click FormExp.CommandDelete
expect Chara.GeneralSkillName(2) ヒーラー
expect Chara.GeneralSkillLevel(2) 0
expect Chara.GeneralSkillLevel(0) 5
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption -1
# The birth skill is not deleted; the display stays
select FormExp.ListSkill 0
click FormExp.CommandDelete
expect Chara.GeneralSkillLevel(0) 5
expect FormExp.ListSkill.count 1
expect FormExp.LabelExp.caption -1

# Reset while the points are short: the birth level comes back, refused
# for the shown skill, and the general figures are shown
type FormExp.TextExp 9
key FormExp.TextExp enter
scroll FormExp.HScrollLv 2
expect FormExp.ListSkill.count 2
type FormExp.TextExp 3
key FormExp.TextExp enter
click FormExp.CommandReset
expect Chara.GeneralSkillLevel(0) 5
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) クラフトマン５
expect FormExp.LabelLv.caption 0
expect FormExp.LabelExp.caption -2

# A refresh while general skills are shown brings back the adventurer rows
select FormLang.ComboGod 2
expect FormExp.LabelSType.caption 冒険者技能
expect FormExp.ListSkill.count 0

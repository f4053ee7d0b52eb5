#! --seed 3
# The skills window's two experience modes, the skill-type switch and the
# refresh that always returns it to adventurer skills in held mode.
# A ドワーフ: no adventurer skill at birth, 3000 experience points.
select FormAbility.ComboLace 1
expect Chara.ExpTotal 3000
expect Chara.AdventurerLevel 0

# Adventurer skills, held-experience mode
expect FormExp.LabelSType.caption 冒険者技能
expect FormExp.LabelExpS.caption 保有経験点
expect FormExp.LabelE.caption 必要経験点
expect FormExp.Label(1).caption レベル
expect FormExp.Label(4).caption 獲得技能
expect FormExp.ComboSkill.visible 1
expect FormExp.ComboNSkill.visible 0
expect FormExp.ComboLevel.visible 0
expect FormExp.HScrollLv.visible 1
expect FormExp.LabelLv.visible 1
expect FormExp.TextExp.visible 1
expect FormExp.LabelTotalExp.visible 0
expect FormExp.ComboSkill.count 9
expect FormExp.ComboSkill.item(8) ドラゴンプリースト
expect FormExp.ComboLevel.count 21
expect FormExp.ComboLevel.item(0) なし
expect FormExp.ComboLevel.item(9) ９
expect FormExp.ComboLevel.item(20) ２０

# ファイター at 0 with 3000 held: levels 1 and 2 cost 2500, level 3 another 2000
expect FormExp.ComboSkill.text ファイター
expect FormExp.LabelLv.caption なし
expect FormExp.TextExp.text 3000
expect FormExp.LabelExp.caption 0
expect FormExp.HScrollLv.min 0
expect FormExp.HScrollLv.max 2
scroll FormExp.HScrollLv 2
expect Chara.SkillLevel(0) 2
expect Chara.ExpSpent 2500
expect FormExp.ComboLevel.index 2
expect FormExp.LabelLv.caption 2
expect FormExp.LabelExp.caption 2500
expect FormExp.TextExp.text 500
expect FormExp.HScrollLv.max 2
expect FormExp.ListSkill.count 1
expect FormExp.ListSkill.item(0) ファイター２

# Typed held experience: 1000 with 2500 spent is 3500 in all, and the box
# shows the held experience again
type FormExp.TextExp 1000
key FormExp.TextExp enter
expect Chara.ExpTotal 3500
expect FormExp.TextExp.text 1000
expect FormExp.HScrollLv.max 2
type FormExp.TextExp 10000
key FormExp.TextExp enter
expect Chara.ExpTotal 12500
# levels 3, 4 and 5 cost 2000 + 3000 + 4000; level 6 another 5000
expect FormExp.HScrollLv.max 5
# With nothing held the bar ranges from the birth level to the level
type FormExp.TextExp 0
key FormExp.TextExp enter
expect Chara.ExpTotal 2500
expect FormExp.HScrollLv.min 0
expect FormExp.HScrollLv.max 2
# Text after the number is ignored; halves round away from zero
type FormExp.TextExp "1999.5 points"
key FormExp.TextExp enter
expect Chara.ExpTotal 4500
expect FormExp.TextExp.text 2000

# Total-experience mode: every level, the spent experience shown
click FormExp.LabelExpS
expect FormExp.LabelExpS.caption 総経験点
expect FormExp.ComboLevel.visible 1
expect FormExp.LabelTotalExp.visible 1
expect FormExp.HScrollLv.visible 0
expect FormExp.LabelLv.visible 0
expect FormExp.TextExp.visible 0
# the switch itself recomputes nothing
expect Chara.SkillLevel(0) 2
expect Chara.ExpSpent 2500
select FormExp.ComboLevel 11
expect Chara.SkillLevel(0) 11
expect Chara.SkillExp(0) 89500
expect Chara.AdventurerLevel 11
expect FormExp.LabelExp.caption 89500
expect FormExp.LabelTotalExp.caption 89500
select FormExp.ComboLevel 20
expect Chara.SkillLevel(0) 20
select FormExp.ComboSkill 2
select FormExp.ComboLevel 1
expect FormExp.LabelTotalExp.caption 1750000
expect FormExp.LabelExp.caption 500
select FormExp.ComboSkill 0
expect FormExp.ComboLevel.index 20
select FormExp.ComboLevel 3
expect Chara.ExpSpent 5000

# To general skills from total mode: the bar comes back, the level combo goes
click FormExp.LabelSType
expect FormExp.LabelSType.caption 一般技能
expect FormExp.LabelExpS.caption 合計レベル
expect FormExp.LabelE.caption 残り数
expect FormExp.ComboNSkill.visible 1
expect FormExp.ComboSkill.visible 0
expect FormExp.ComboLevel.visible 0
expect FormExp.HScrollLv.visible 1
expect FormExp.LabelLv.visible 1
expect FormExp.TextExp.visible 1
expect FormExp.LabelTotalExp.visible 0
expect FormExp.TextExp.text 5
# the experience label does nothing while general skills are shown
click FormExp.LabelExpS
expect FormExp.LabelExpS.caption 合計レベル
expect FormExp.TextExp.visible 1

# A refresh (a new deity asks for one) returns to adventurer skills, held mode
select FormLang.ComboGod 4
expect Chara.God 4
expect FormExp.LabelSType.caption 冒険者技能
expect FormExp.LabelExpS.caption 保有経験点
expect FormExp.LabelE.caption 必要経験点
expect FormExp.ComboSkill.visible 1
expect FormExp.ComboNSkill.visible 0
expect FormExp.HScrollLv.visible 1
expect FormExp.LabelLv.visible 1
expect FormExp.TextExp.visible 1
expect FormExp.ComboLevel.visible 0
expect FormExp.LabelTotalExp.visible 0
expect FormExp.ComboSkill.text ファイター
expect FormExp.LabelLv.caption 3
expect FormExp.TextExp.text -500
expect FormExp.HScrollLv.max 3
# and from total mode as well
click FormExp.LabelExpS
expect FormExp.ComboLevel.visible 1
select FormLang.ComboGod 5
expect FormExp.LabelExpS.caption 保有経験点
expect FormExp.ComboLevel.visible 0
expect FormExp.HScrollLv.visible 1
# Back from general skills by a click: held mode too
click FormExp.LabelExpS
click FormExp.LabelSType
click FormExp.LabelSType
expect FormExp.LabelSType.caption 冒険者技能
expect FormExp.LabelExpS.caption 保有経験点
expect FormExp.HScrollLv.visible 1
expect FormExp.ComboLevel.visible 0

# Closing the window and opening it again keeps every level
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 0
click FormExp.LabelExpS
select FormExp.ComboLevel 2
close FormExp
expect MDIFormKT.KTMenuExp.checked 0
click MDIFormKT.KTMenuExp
expect FormExp.visible 1
expect FormExp.LabelExpS.caption 保有経験点
expect FormExp.ComboSkill.text ファイター
expect Chara.SkillLevel(0) 3
expect Chara.SkillLevel(7) 2
expect FormExp.ListSkill.item(0) ファイター３
expect FormExp.ListSkill.item(1) バード２

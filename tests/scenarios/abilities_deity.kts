#! --seed 2
# Generation gives a ダークエルフ a deity, an エルフ never.

# The first character (a 一般市民 with this seed) did not choose the deity by hand.
expect FormExp.LabelHome.caption 一般市民
expect Globals.ProfileLock(5) 0
# Reopening the profile window sets the deity to なし.
close FormBase
click MDIFormKT.KTMenuBase
expect Chara.God 0
select FormAbility.ComboLace 7
expect Chara.God 5
expect FormLang.ComboGod.index 5
expect Globals.ProfileLock(5) 0

close FormBase
click MDIFormKT.KTMenuBase
expect Chara.God 0
select FormAbility.ComboLace 3
expect Chara.God 0
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
expect Chara.God 0

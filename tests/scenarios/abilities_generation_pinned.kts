#! --seed 3
# The start-up roll with a fixed seed: every draw in the order of generation
# (base values, language, birth, money, age, sex, name, deity, handedness).
expect Chara.Race 0
expect Chara.BaseValue(0) 6
expect Chara.BaseValue(1) 7
expect Chara.BaseValue(2) 7
expect Chara.BaseValue(3) 8
expect Chara.BaseValue(4) 6
expect Chara.BaseValue(5) 5
expect Chara.BaseValue(6) 10
expect Chara.BaseValue(7) 3
expect Chara.NativeLanguage 2
expect FormExp.LabelHome.caption 呪い師
expect Chara.SkillLevel(4) 1
expect Chara.BirthSkillLevel(4) 1
expect Chara.ExpTotal 3500
expect Chara.Gold 1200
expect FormEquip.TextGold.text 1200
expect Chara.Age 16
expect FormBase.TextAge.text 16
expect Chara.Sex 0
expect Chara.Name ワット
expect FormBase.TextChara(0).text ワット
expect Chara.God 1
expect FormLang.ComboGod.index 1
expect Chara.Ambidextrous 0
expect FormEquip.LabelArm(0).caption 利腕
expect FormEquip.LabelArm(1).caption 逆腕
expect FormAbility.LabelTotalSub.caption 52
# Generated values stay open to the next roll.
expect Globals.ProfileLock(0) 0
expect Globals.ProfileLock(3) 0
expect Globals.ProfileLock(5) 0

# A deity chosen by hand survives the next roll when the name is locked too
# (a generated name would release the deity lock).
type FormBase.TextChara(0) ロック
select FormLang.ComboGod 9
expect Globals.ProfileLock(5) 1
click FormAbility.CommandRun
expect Chara.God 9
expect Chara.Name ロック
expect FormLang.ComboGod.index 9

# A template chosen before the window is reopened does not outlive the next roll.
click FormAbility.CheckAdd(0)
expect Chara.UndeadType 1
close FormAbility
click MDIFormKT.KTMenuAbi
expect FormAbility.CheckAdd(0).value 0
expect Chara.UndeadType 0

# Generation and the marks of the profile window: generated values stay
# unmarked, a generated name releases the other marks, a sex entered by hand
# stops both sex and first name.

# Reopening the profile window runs its load: "サンプル", deity なし, the
# design contents of the boxes; the marks are left as they were.
type FormAbility.TextAb(0) 5
key FormAbility.TextAb(0) enter
close FormBase
expect MDIFormKT.KTMenuBase.checked 0
click MDIFormKT.KTMenuBase
expect Chara.Name サンプル
expect Chara.God 0
expect FormBase.TextChara(0).text サンプル
expect FormBase.TextChara(1).text ""
expect FormBase.TextChara(2).text ""
expect FormBase.TextID.text 0
expect FormBase.TextAge.text 0
expect FormBase.ComboSex.index -1
expect Globals.ProfileLock(0) 0
# Other fields keep their values.
expect Chara.BaseValue(0) 5

# An age entered by hand survives the roll that generates a new name, but
# the new name releases its mark.
type FormBase.TextAge 40
key FormBase.TextAge enter
expect Globals.ProfileLock(4) 1
click FormAbility.CommandRun
expect Chara.Age 40
expect FormBase.TextAge.text 40
expect Globals.ProfileLock(0) 0
expect Globals.ProfileLock(3) 0
expect Globals.ProfileLock(4) 0
expect Globals.ProfileLock(5) 0
expect Chara.CharaNo 0
expect FormBase.TextID.text 0

# A sex chosen by hand stops sex and first name, although the name is not marked.
close FormBase
click MDIFormKT.KTMenuBase
expect Chara.Name サンプル
select FormBase.ComboSex 1
type FormBase.TextAge 33
key FormBase.TextAge enter
expect Globals.ProfileLock(0) 0
expect Globals.ProfileLock(3) 1
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
expect Chara.Name サンプル
expect FormBase.TextChara(0).text サンプル
expect Chara.Sex 1
expect FormBase.ComboSex.index 1
expect Chara.Age 33
expect FormBase.TextAge.text 33
expect Globals.ProfileLock(0) 0
expect Globals.ProfileLock(3) 1
expect Globals.ProfileLock(4) 1

# An age typed without Enter reaches neither the record nor the marks.
type FormBase.TextAge 77
expect Chara.Age 33
click FormAbility.CommandRun
expect Chara.Age 33

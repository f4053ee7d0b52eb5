#! --seed 1
# The refresh rebuilds every control from the record: after the window is
# closed and opened again, and after a character file is made the current
# character. Page-2 weapons in both hands, shields with their bonus, and
# items, strengths and bonuses kept throughout.
type FormAbility.TextAbility(0) 12
key FormAbility.TextAbility(0) enter
type FormAbility.TextAbility(1) 12
key FormAbility.TextAbility(1) enter
type FormAbility.TextAbility(3) 20
key FormAbility.TextAbility(3) enter
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 0
scroll FormExp.HScrollLv 2
type FormEquip.TextGold 2000
key FormEquip.TextGold enter

# ウォーハンマー ＋１ at 10 in the main hand, モーニングスター ＋２ at 15 in
# the off hand, リングメイル ＋１ at 8.
click FormEquip.LabelW
select FormEquip.ComboWeapon(1) 5
scroll FormEquip.HScrollSTa(0) 10
select FormEquip.ComboMgW 1
click FormEquip.LabelLeft
click FormEquip.LabelLeft
select FormEquip.ComboWeapon(3) 1
scroll FormEquip.HScrollSTa(1) 15
select FormEquip.ComboMgS 2
select FormEquip.ComboArmor 4
scroll FormEquip.HScrollSTd 8
select FormEquip.ComboMgA 1
expect Chara.WeaponName(0) ウォーハンマー
expect Chara.WeaponName(1) モーニングスター
# ウォーハンマー 230, モーニングスター 340, リングメイル 270.
expect FormEquip.TextGold.text 1160
# モーニングスター is 5 above half strength (10): both weapons pay for it.
expect FormEquip.LabelAtp1(0).caption -3
expect FormEquip.LabelAtp1(1).caption -4
expect FormEquip.LabelDfpS.caption 5
writefile Characters/KTC01-01.ktc

# Closing and opening the window keeps all of it.
click MDIFormKT.KTMenuEq
close FormEquip
expect MDIFormKT.KTMenuEq.checked 0
click MDIFormKT.KTMenuEq
expect FormEquip.visible 1
expect FormEquip.caption 装備
state FormEquip normal
expect FormEquip.width 8760
expect FormEquip.height 4725
expect FormEquip.LabelW.caption 武器２
expect FormEquip.ComboWeapon(0).visible 0
expect FormEquip.ComboWeapon(1).visible 1
expect FormEquip.ComboWeapon(1).text ウォーハンマー
expect FormEquip.HScrollSTa(0).value 10
expect FormEquip.ComboMgW.index 1
expect FormEquip.LabelLeft.caption 武器２
expect FormEquip.ComboShield.visible 0
expect FormEquip.ComboWeapon(2).visible 0
expect FormEquip.ComboWeapon(3).visible 1
expect FormEquip.ComboWeapon(3).text モーニングスター
expect FormEquip.HScrollSTa(1).min 11
expect FormEquip.HScrollSTa(1).value 15
expect FormEquip.LabelSTs.caption 15
expect FormEquip.ComboMgS.index 2
expect FormEquip.ComboArmor.text リングメイルアーマー
expect FormEquip.HScrollSTd.value 8
expect FormEquip.ComboMgA.index 1
expect Chara.WeaponMagic(0) 1
expect Chara.WeaponMagic(1) 2
expect Chara.WeaponStr(1) 15
expect Chara.ArmorMagic 1
expect Chara.ShieldStr -1
expect FormEquip.TextGold.text 1160
expect FormEquip.LabelAtp1(0).caption -3
expect FormEquip.LabelAtp1(1).caption -4
expect FormEquip.LabelDfpS.caption 5
expect FormEquip.LabelP.caption 270

# A shield with its bonus: the weapon lists of the off hand stay hidden.
click FormEquip.LabelLeft
select FormEquip.ComboShield 2
select FormEquip.ComboMgS 1
click FormEquip.LabelW
select FormEquip.ComboWeapon(0) 10
scroll FormEquip.HScrollSTa(0) 12
close FormEquip
click MDIFormKT.KTMenuEq
expect FormEquip.LabelLeft.caption 盾
expect FormEquip.LabelW.caption 武器１
expect FormEquip.ComboWeapon(0).text ブロードソード
expect FormEquip.HScrollSTa(0).value 12
expect FormEquip.ComboShield.visible 1
expect FormEquip.ComboShield.text ラージシールド
expect FormEquip.ComboMgS.index 1
expect FormEquip.ComboWeapon(2).visible 0
expect FormEquip.ComboWeapon(3).visible 0
expect FormEquip.HScrollSTa(1).visible 0
expect FormEquip.LabelSh.visible 1
expect FormEquip.LabelSTs.caption 13
expect Chara.ShieldMagic 1
expect Chara.WeaponStr(1) -1
expect Chara.ItemPrice(3) 0
# Broad sword 280, large shield 300, ring mail 270.
expect FormEquip.TextGold.text 1150

# A refresh leaves the working copy alone: a character read from a file
# stays what "呼出" would load.
readfile Characters/KTC01-01.ktc
scroll FormExp.HScrollLv 3
expect CharaWork.WeaponName(0) ウォーハンマー
expect CharaWork.SkillLevel(0) 2
expect Chara.WeaponName(0) ブロードソード
expect FormEquip.LabelMaxLv.caption 3

# The saved character made current again: its two page-2 weapons come back.
copy CharaWork Chara
close FormEquip
expect FormEquip.LabelW.caption 武器２
expect FormEquip.ComboWeapon(1).text ウォーハンマー
expect FormEquip.LabelLeft.caption 武器２
expect FormEquip.ComboWeapon(3).text モーニングスター
expect FormEquip.HScrollSTa(1).value 15
expect FormEquip.ComboMgS.index 2
expect Chara.ShieldStr -1
expect Chara.ItemPrice(1) 0
expect FormEquip.TextGold.text 1160
expect FormEquip.LabelMaxLv.caption 2

# A skill level change refreshes from the record as it stands.
scroll FormExp.HScrollLv 4
expect FormEquip.LabelMaxLv.caption 4
expect FormEquip.LabelAtp1(0).caption -1
expect FormEquip.ComboWeapon(3).text モーニングスター
expect FormEquip.HScrollSTa(1).value 15
expect App.beeps 0

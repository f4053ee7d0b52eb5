#! --seed 1
# The off hand: the cycle shield → weapon page 1 → page 2 → shield, the
# shield set down when a weapon is taken up, the weapon put away when the
# shield comes back, two-weapon penalties and the arm marker, a two-handed
# off-hand weapon refused with one beep, and both weapons' figures and the
# evasion following a change on the main-weapon side.
# Set-up: every ability 12 (half strength 6), シーフ 2, no ファイター.
type FormAbility.TextAbility(0) 12
key FormAbility.TextAbility(0) enter
type FormAbility.TextAbility(1) 12
key FormAbility.TextAbility(1) enter
type FormAbility.TextAbility(3) 12
key FormAbility.TextAbility(3) enter
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 1
scroll FormExp.HScrollLv 2
expect Chara.SkillLevel(0) 0
expect Chara.SkillLevel(1) 2
type FormEquip.TextGold 1000
key FormEquip.TextGold enter

# A thief with a ダガー at 3 and a スモールシールド ＋１.
select FormEquip.ComboWeapon(0) 1
scroll FormEquip.HScrollSTa(0) 3
select FormEquip.ComboShield 1
select FormEquip.ComboMgS 1
expect FormEquip.LabelCRa(0).caption 9
expect FormEquip.LabelSh.visible 1
expect FormEquip.LabelDfp(0).caption 6
expect FormEquip.LabelSTs.caption 1
expect FormEquip.LabelP.caption 60
expect FormEquip.TextGold.text 890

# Shield → 武器１: the shield is set down first and counts for nothing.
click FormEquip.LabelLeft
expect FormEquip.LabelLeft.caption 武器１
expect FormEquip.ComboShield.visible 0
expect FormEquip.LabelSh.visible 0
expect FormEquip.ComboWeapon(2).visible 1
expect FormEquip.ComboWeapon(3).visible 0
expect FormEquip.HScrollSTa(1).visible 1
expect FormEquip.LabelS(0).visible 1
expect FormEquip.LabelS(4).visible 1
expect FormEquip.LabelDfpS.visible 1
expect FormEquip.LabelAtp1(1).visible 1
expect FormEquip.ComboWeapon(2).text 素手
expect Chara.ShieldStr -1
expect Chara.ShieldName なし
expect Chara.ShieldMagic 0
expect Chara.ItemIndex(1,0) 0
expect Chara.ItemPrice(1) 0
expect FormEquip.ComboMgS.index 0
expect FormEquip.LabelDfpS.caption 4
expect Chara.DefenseValue(0) 4
expect FormEquip.TextGold.text 950

# Two weapons: the main one 2 lower, the off-arm one 4 lower.
select FormEquip.ComboWeapon(2) 1
scroll FormEquip.HScrollSTa(1) 3
expect FormEquip.LabelSTs.caption 3
expect Chara.WeaponStr(1) 3
expect Chara.ItemPrice(3) 50
expect FormEquip.LabelP.caption 50
expect FormEquip.LabelAtp1(0).caption 2
expect FormEquip.LabelAtp1(1).caption 0
expect FormEquip.LabelCRa(1).caption 9
expect Chara.CombatValue(1,0) 0
expect Chara.CombatValue(1,1) 3
expect Chara.CombatValue(1,3) 9
expect FormEquip.TextGold.text 900
# The off-hand weapon's bonus is its own.
select FormEquip.ComboMgS 2
expect Chara.WeaponMagic(1) 2
expect Chara.ShieldMagic 0
expect FormEquip.LabelAtp1(1).caption 2
expect FormEquip.LabelAtp1(0).caption 2

# Ambidextrous: the off arm loses only 2.
click FormEquip.LabelArm(1)
expect Chara.Ambidextrous 1
expect FormEquip.LabelArm(1).caption 利腕
expect FormEquip.LabelAtp1(1).caption 4
expect FormEquip.LabelP.caption 50
click FormEquip.LabelArm(0)
expect Chara.Ambidextrous 1
click FormEquip.LabelArm(1)
expect Chara.Ambidextrous 0
expect FormEquip.LabelArm(1).caption 逆腕
expect FormEquip.LabelAtp1(1).caption 2

# A main weapon above half strength rules the thief out: the off-hand
# weapon's figures and the evasion follow at once.
select FormEquip.ComboWeapon(0) 5
scroll FormEquip.HScrollSTa(0) 8
expect FormEquip.LabelCRa(0).caption 10
expect FormEquip.LabelCRa(1).caption 10
expect Chara.CombatValue(1,3) 10
expect FormEquip.LabelAtp1(1).caption -2
expect Chara.CombatValue(1,0) -2
expect FormEquip.LabelAtp3(1).caption 2
expect FormEquip.LabelDfp(0).caption 0
expect FormEquip.LabelDfpS.caption 0
expect Chara.DefenseValue(0) 0
scroll FormEquip.HScrollSTa(0) 6
expect FormEquip.LabelCRa(1).caption 9
expect FormEquip.LabelDfpS.caption 4

# An off-hand weapon above half strength lowers both weapons by the excess.
select FormEquip.ComboWeapon(2) 5
scroll FormEquip.HScrollSTa(1) 8
expect FormEquip.LabelCRa(1).caption 10
expect FormEquip.LabelAtp1(0).caption -4
expect FormEquip.LabelAtp1(1).caption -4
scroll FormEquip.HScrollSTa(1) 3

# 武器１ → 武器２: the page-2 list starts at ライトフレイル, the bonus stays.
click FormEquip.LabelLeft
expect FormEquip.LabelLeft.caption 武器２
expect FormEquip.ComboWeapon(2).visible 0
expect FormEquip.ComboWeapon(3).visible 1
expect FormEquip.ComboWeapon(3).text ライトフレイル
expect Chara.ItemIndex(0,1) 37
expect Chara.WeaponName(1) ライトフレイル
expect FormEquip.HScrollSTa(1).min 7
expect Chara.WeaponStr(1) 7
expect Chara.ItemPrice(3) 90
expect FormEquip.LabelP.caption 90
expect FormEquip.ComboMgS.index 2

# A two-handed weapon for the off hand: one beep, back to page 1 with bare hands.
expect App.beeps 0
select FormEquip.ComboWeapon(3) 3
expect App.beeps 1
expect FormEquip.LabelLeft.caption 武器１
expect FormEquip.ComboWeapon(2).visible 1
expect FormEquip.ComboWeapon(3).visible 0
expect FormEquip.ComboWeapon(2).text 素手
expect Chara.ItemIndex(0,1) 0
expect Chara.WeaponName(1) 素手
expect Chara.WeaponKind(1) 0
expect Chara.WeaponMagic(1) 0
expect FormEquip.ComboMgS.index 0
expect Chara.WeaponStr(1) 0
expect Chara.ItemPrice(3) 0
expect Chara.ShieldStr -1
expect FormEquip.LabelP.caption 0
select FormEquip.ComboWeapon(2) 14
expect App.beeps 2
expect Chara.WeaponName(1) 素手
expect FormEquip.ComboWeapon(2).text 素手

# 武器２ → 盾: the weapon put away costs nothing and the shield is empty.
select FormEquip.ComboWeapon(2) 1
scroll FormEquip.HScrollSTa(1) 5
select FormEquip.ComboMgS 1
click FormEquip.LabelLeft
click FormEquip.LabelLeft
expect FormEquip.LabelLeft.caption 盾
expect FormEquip.ComboShield.visible 1
expect FormEquip.ComboShield.index 0
expect FormEquip.ComboWeapon(2).visible 0
expect FormEquip.ComboWeapon(3).visible 0
expect FormEquip.HScrollSTa(1).visible 0
expect FormEquip.LabelS(0).visible 0
expect FormEquip.LabelAtp1(1).visible 0
expect FormEquip.LabelDfpS.visible 0
expect Chara.WeaponStr(1) -1
expect Chara.ItemPrice(3) 0
expect Chara.WeaponMagic(1) 0
expect Chara.CombatValue(1,0) 0
expect Chara.ShieldStr 0
expect FormEquip.ComboMgS.index 0
expect FormEquip.LabelSTs.caption 0
expect FormEquip.LabelP.caption 0
# Main ショートソード at 6 (90) alone.
expect FormEquip.LabelAtp1(0).caption 4
expect FormEquip.TextGold.text 910
expect App.beeps 2

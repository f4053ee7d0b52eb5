#! --seed 1
# The main weapon: prices by strength, a new weapon priced at once, the
# magic bonus and bare hands, the page switch, and a two-handed weapon
# emptying the off hand.
# Set-up: every ability 12, ファイター 2 (adventurer level 2).
type FormAbility.TextAbility(0) 12
key FormAbility.TextAbility(0) enter
type FormAbility.TextAbility(1) 12
key FormAbility.TextAbility(1) enter
type FormAbility.TextAbility(3) 12
key FormAbility.TextAbility(3) enter
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 0
scroll FormExp.HScrollLv 2
expect Chara.AdventurerLevel 2
type FormEquip.TextGold 1000
key FormEquip.TextGold enter
expect Chara.Gold 1000

# Bare hands: bonus 2 + level 2, no strength, critical 12, nothing to pay.
expect FormEquip.ComboWeapon(0).text 素手
expect FormEquip.LabelAtp1(0).caption 4
expect FormEquip.LabelAtp2(0).caption 0
expect FormEquip.LabelAtp3(0).caption 4
expect FormEquip.LabelCRa(0).caption 12
expect FormEquip.LabeleA.caption 5.7
expect FormEquip.HScrollSTa(0).max 0
expect Chara.ItemPrice(0) 0
expect Chara.WeaponName(0) 素手

# ダガー: 30 at strength 1, 70 at strength 5.
select FormEquip.ComboWeapon(0) 1
expect FormEquip.HScrollSTa(0).min 1
expect FormEquip.HScrollSTa(0).max 5
expect FormEquip.HScrollSTa(0).value 1
expect FormEquip.LabelP.caption 30
expect FormEquip.TextGold.text 970
scroll FormEquip.HScrollSTa(0) 5
expect FormEquip.LabelSTa.caption 5
expect Chara.WeaponStr(0) 5
expect Chara.ItemPrice(0) 70
expect FormEquip.LabelP.caption 70
expect FormEquip.TextGold.text 930
expect FormEquip.LabelAtp2(0).caption 5
expect Chara.CombatValue(0,1) 5
expect Chara.CombatValue(0,3) 10

# カタール (3..5) keeps the bar at 5 and is priced at once: 10 × 5 + 30.
select FormEquip.ComboWeapon(0) 4
expect FormEquip.HScrollSTa(0).value 5
expect Chara.WeaponName(0) カタール
expect Chara.ItemIndex(0,0) 4
expect Chara.ItemPrice(0) 80
expect FormEquip.LabelP.caption 80
expect FormEquip.TextGold.text 920

# A magic bonus adds to attack and extra damage and stays with the next weapon.
select FormEquip.ComboMgW 2
expect Chara.WeaponMagic(0) 2
expect FormEquip.LabelAtp1(0).caption 6
expect FormEquip.LabelAtp3(0).caption 6
expect Chara.CombatValue(0,0) 6
select FormEquip.ComboWeapon(0) 5
expect Chara.WeaponMagic(0) 2
expect FormEquip.ComboMgW.text ＋２
# Bare hands never carry a bonus, whichever way it is asked for.
select FormEquip.ComboWeapon(0) 0
expect FormEquip.ComboMgW.index 0
expect Chara.WeaponMagic(0) 0
select FormEquip.ComboMgW 1
expect FormEquip.ComboMgW.index 0
expect Chara.WeaponMagic(0) 0
expect FormEquip.LabelAtp1(0).caption 4

# The page switch: page 2 starts at ライトフレイル (7..14, 10 × 7 + 20).
click FormEquip.LabelW
expect FormEquip.LabelW.caption 武器２
expect FormEquip.ComboWeapon(0).visible 0
expect FormEquip.ComboWeapon(1).visible 1
expect FormEquip.ComboWeapon(1).count 28
expect FormEquip.ComboWeapon(1).text ライトフレイル
expect Chara.ItemIndex(0,0) 37
expect Chara.WeaponName(0) ライトフレイル
expect FormEquip.HScrollSTa(0).min 7
expect FormEquip.HScrollSTa(0).max 14
expect FormEquip.LabelP.caption 90
expect Chara.ItemPrice(0) 90
select FormEquip.ComboWeapon(1) 1
expect Chara.ItemIndex(0,0) 38
expect Chara.WeaponName(0) モーニングスター
expect FormEquip.HScrollSTa(0).value 11
# A hidden list is out of reach.
select FormEquip.ComboWeapon(0) 3
expect Chara.ItemIndex(0,0) 38
click FormEquip.LabelW
expect FormEquip.LabelW.caption 武器１
expect FormEquip.ComboWeapon(0).visible 1
expect FormEquip.ComboWeapon(1).visible 0
expect FormEquip.ComboWeapon(0).count 37
expect FormEquip.ComboWeapon(0).text 素手
expect Chara.ItemIndex(0,0) 0
expect Chara.ItemPrice(0) 0
expect FormEquip.LabelP.caption 0

# Bows follow the chosen strength: ロングボウ at 18 gives Int(18 / 6) + 2.
click FormEquip.LabelW
select FormEquip.ComboWeapon(1) 8
expect Chara.WeaponName(0) ロングボウ
expect Chara.WeaponKind(0) 3
scroll FormEquip.HScrollSTa(0) 18
expect FormEquip.LabelAtp3(0).caption 5
expect FormEquip.LabelAtp2(0).caption 23
# 18 is 6 above 筋力: attack 4 - 6.
expect FormEquip.LabelAtp1(0).caption -2
# ネット rates 7 - 8 = -1: 打撃点 reads the table at 0, 60 / 36 + 4.
select FormEquip.ComboWeapon(1) 15
expect Chara.WeaponName(0) ネット
expect FormEquip.LabelAtp2(0).caption -1
expect Chara.CombatValue(0,1) -1
expect FormEquip.LabelCRa(0).caption 13
expect FormEquip.LabeleA.caption 5.7
click FormEquip.LabelW

# A two-handed main weapon empties the shield, bonus and price included.
select FormEquip.ComboWeapon(0) 1
select FormEquip.ComboShield 2
select FormEquip.ComboMgS 1
expect Chara.ShieldName ラージシールド
expect Chara.ShieldMagic 1
expect Chara.ItemPrice(1) 300
select FormEquip.ComboWeapon(0) 13
expect Chara.WeaponName(0) バスタードソード
expect Chara.WeaponKind(0) 1
expect FormEquip.LabelLeft.caption 盾
expect FormEquip.ComboShield.index 0
expect FormEquip.ComboMgS.index 0
expect Chara.ShieldName なし
expect Chara.ShieldMagic 0
expect Chara.ShieldStr 0
expect Chara.ItemPrice(1) 0
expect FormEquip.LabelP.caption 440
expect FormEquip.TextGold.text 560
# ...and leaves no hand free for a shield or a second weapon: a beep each.
select FormEquip.ComboShield 1
expect App.beeps 1
expect FormEquip.ComboShield.index 0
expect Chara.ShieldName なし
expect Chara.ItemPrice(1) 0
click FormEquip.LabelLeft
expect App.beeps 2
expect FormEquip.LabelLeft.caption 盾
expect FormEquip.ComboShield.visible 1
expect Chara.WeaponStr(1) -1

# With a second weapon held, a two-handed main weapon puts it away.
select FormEquip.ComboWeapon(0) 1
click FormEquip.LabelLeft
select FormEquip.ComboWeapon(2) 1
scroll FormEquip.HScrollSTa(1) 3
expect Chara.ItemPrice(3) 50
select FormEquip.ComboWeapon(0) 20
expect Chara.WeaponName(0) バトルアックス
expect FormEquip.LabelLeft.caption 盾
expect FormEquip.ComboWeapon(2).visible 0
expect FormEquip.HScrollSTa(1).visible 0
expect FormEquip.ComboShield.visible 1
expect Chara.WeaponStr(1) -1
expect Chara.ItemPrice(3) 0
expect Chara.ShieldStr 0
expect Chara.CombatValue(1,0) 0
expect FormEquip.LabelAtp1(0).caption 4
expect FormEquip.TextGold.text 760
expect App.beeps 2

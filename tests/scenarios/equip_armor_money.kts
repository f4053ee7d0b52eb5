#! --seed 1
# Armour and shield figures, a new armour priced at once, the armour's and
# the shield's bonus, the money left (typed, spent, negative), the level and
# resistance row, and the refreshes other windows ask for.
# Set-up: 器用度 and 敏捷度 12, 筋力 14, 生命力 13, ファイター 2.
type FormAbility.TextAbility(0) 12
key FormAbility.TextAbility(0) enter
type FormAbility.TextAbility(1) 12
key FormAbility.TextAbility(1) enter
type FormAbility.TextAbility(3) 14
key FormAbility.TextAbility(3) enter
type FormAbility.TextAbility(4) 13
key FormAbility.TextAbility(4) enter
type FormAbility.TextAbility(5) 12
key FormAbility.TextAbility(5) enter
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 0
scroll FormExp.HScrollLv 2
expect FormEquip.LabelMaxLv.caption 2
expect FormEquip.LabelHP(0).caption 13
expect FormEquip.LabelHP(1).caption 12
expect FormEquip.LabelHP(2).caption 4
expect FormEquip.LabelHP(3).caption 4

# Money: the typed amount is what is left; 500 less 50, 60 and 30 is 360.
type FormEquip.TextGold 500
key FormEquip.TextGold enter
expect Chara.Gold 500
select FormEquip.ComboWeapon(0) 1
scroll FormEquip.HScrollSTa(0) 3
select FormEquip.ComboShield 1
expect FormEquip.LabelP.caption 60
select FormEquip.ComboArmor 1
scroll FormEquip.HScrollSTd 2
expect FormEquip.LabelP.caption 30
expect FormEquip.TextGold.text 360
expect Chara.Gold 500
# Typing what is left keeps the prices on top.
type FormEquip.TextGold 1000
key FormEquip.TextGold enter
expect Chara.Gold 1140
expect FormEquip.TextGold.text 1000
type FormEquip.TextGold ３６０
key FormEquip.TextGold enter
expect Chara.Gold 500
expect FormEquip.TextGold.text 360
# Text that is no amount: a beep and the amount as it was.
type FormEquip.TextGold 12abc
key FormEquip.TextGold enter
expect App.beeps 1
expect FormEquip.TextGold.text 360
expect Chara.Gold 500
type FormEquip.TextGold 3000000000
key FormEquip.TextGold enter
expect App.beeps 2
expect Chara.Gold 500

# クロースアーマー at 3, then ソフトレザー (2..7) priced at once at 3: 15 × 3 + 20.
scroll FormEquip.HScrollSTd 3
expect FormEquip.LabelP.caption 40
select FormEquip.ComboArmor 2
expect FormEquip.HScrollSTd.value 3
expect Chara.ArmorName ソフトレザーアーマー
expect Chara.ItemIndex(1,1) 2
expect Chara.ItemPrice(2) 65
expect FormEquip.LabelP.caption 65
expect FormEquip.TextGold.text 325

# プレートアーマー at 24: defence 29, 2500, both effects, thief out, evasion
# 2 + 2 + 1 (shield) - 1 - 10 (24 is 10 above 筋力); the money goes negative.
select FormEquip.ComboArmor 8
scroll FormEquip.HScrollSTd 24
expect FormEquip.LabelSTd.caption 24
expect FormEquip.LabelDfp(1).caption 29
expect Chara.DefenseValue(1) 29
expect FormEquip.LabelP.caption 2500
expect Chara.ItemPrice(2) 2500
expect FormEquip.LabelCRd.caption "○ / ○"
expect Chara.ArmorEffectA 1
expect Chara.ArmorEffectB 1
expect FormEquip.LabelDfp(0).caption -6
expect Chara.DefenseValue(0) -6
expect FormEquip.LabelDfp(2).caption 2
expect FormEquip.LabeleD.caption 8.5
expect FormEquip.TextGold.text -2110
scroll FormEquip.HScrollSTd 14
expect FormEquip.LabelDfp(0).caption 4
scroll FormEquip.HScrollSTd 13
expect FormEquip.LabelDfp(0).caption 4

# Armour magic: evasion and damage reduction; "なし" takes it away.
select FormEquip.ComboArmor 4
expect FormEquip.LabelCRd.caption "○ / ×"
select FormEquip.ComboMgA 2
expect Chara.ArmorMagic 2
expect FormEquip.LabelDfp(2).caption 4
expect Chara.DefenseValue(2) 4
expect FormEquip.LabelDfp(0).caption 7
select FormEquip.ComboArmor 0
expect FormEquip.ComboMgA.index 0
expect Chara.ArmorMagic 0
expect Chara.ArmorName なし
expect FormEquip.LabelDfp(2).caption 2
expect FormEquip.LabelCRd.caption "× / ×"
select FormEquip.ComboMgA 3
expect Chara.ArmorMagic 0
expect FormEquip.ComboMgA.index 0

# ラージシールド: evasion + 2, attack - 1; with ＋１ the - 1 goes and evasion is 3 up.
select FormEquip.ComboShield 0
expect FormEquip.LabelDfp(0).caption 4
expect FormEquip.LabelAtp1(0).caption 4
select FormEquip.ComboShield 2
expect FormEquip.LabelSTs.caption 13
expect FormEquip.LabelDfp(0).caption 6
expect FormEquip.LabelAtp1(0).caption 3
expect Chara.CombatValue(0,0) 3
expect FormEquip.LabelP.caption 300
select FormEquip.ComboMgS 1
expect Chara.ShieldMagic 1
expect FormEquip.LabelDfp(0).caption 7
expect FormEquip.LabelAtp1(0).caption 4
# A shield of a different kind keeps the bonus; "なし" drops it.
select FormEquip.ComboShield 1
expect Chara.ShieldMagic 1
select FormEquip.ComboShield 0
expect Chara.ShieldMagic 0
expect FormEquip.ComboMgS.index 0

# Other windows' changes reach the figures: a typed ability, a skill level.
type FormAbility.TextAbility(0) 18
key FormAbility.TextAbility(0) enter
expect FormEquip.LabelAtp1(0).caption 5
scroll FormExp.HScrollLv 3
expect FormEquip.LabelMaxLv.caption 3
expect FormEquip.LabelAtp1(0).caption 6
expect FormEquip.LabelDfp(2).caption 3
expect FormEquip.LabelHP(2).caption 5

# A new ノーブルリザードマン in ソフトレザー at 4: defence 9, 防御点 from rating 4.
select FormAbility.ComboLace 8
select FormEquip.ComboArmor 2
scroll FormEquip.HScrollSTd 4
expect FormEquip.LabelDfp(1).caption 9
expect Chara.DefenseValue(1) 9
expect Chara.AdventurerLevel 1
expect FormEquip.LabeleD.caption 3.3
# Generation rolls the gold; the items held are still paid from it.
expect Chara.Gold 500
expect Chara.WeaponName(0) ダガー
expect FormEquip.TextGold.text 370

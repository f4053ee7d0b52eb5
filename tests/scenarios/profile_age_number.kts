# Enter in the age box picks the abilities window's age category (the age
# first scaled by race); Enter in the number box sets the character number.
# Typed values outside an Integer are refused with a beep.

# 人間: the age as it is.
type FormBase.TextAge 91
key FormBase.TextAge enter
expect Chara.Age 91
expect FormAbility.ComboAge.index 10
expect FormAbility.ComboAge.text ９１歳～
expect Chara.AgeClass 10
expect Globals.ProfileLock(4) 1
type FormBase.TextAge 90
key FormBase.TextAge enter
expect FormAbility.ComboAge.index 9
expect Chara.AgeClass 9
type FormBase.TextAge 3
key FormBase.TextAge enter
expect FormAbility.ComboAge.text ３～５歳
expect Chara.AgeClass 1
# No number counts as 0; digits before letters are read; halves round away from zero.
type FormBase.TextAge 歳
key FormBase.TextAge enter
expect Chara.Age 0
expect Chara.AgeClass 1
type FormBase.TextAge " 20.5歳"
key FormBase.TextAge enter
expect Chara.Age 21
expect Chara.AgeClass 0
type FormBase.TextAge -20.5
key FormBase.TextAge enter
expect Chara.Age -21

# The category reaches the abilities: all base values 7, "３～５歳" gives 2.
click FormAbility.CommandE(1)
type FormBase.TextAge 4
key FormBase.TextAge enter
expect FormAbility.TextAbility(0).text 2
expect FormAbility.TextAbility(2).text 2

# ドワーフ: halved over 50.
select FormAbility.ComboLace 1
type FormBase.TextAge 120
key FormBase.TextAge enter
expect Chara.AgeClass 6
expect FormAbility.ComboAge.text ５１～６０歳
# エルフ: capped at 50.
select FormAbility.ComboLace 3
type FormBase.TextAge 120
key FormBase.TextAge enter
expect Chara.AgeClass 0
# ハーフエルフ: 51 is 25.
select FormAbility.ComboLace 4
type FormBase.TextAge 51
key FormBase.TextAge enter
expect Chara.AgeClass 0
type FormBase.TextAge 32767
key FormBase.TextAge enter
expect Chara.Age 32767
expect Chara.AgeClass 10

# Out of range: beep, the box shows the kept value again, nothing changes.
expect App.beeps 0
type FormBase.TextAge 32768
key FormBase.TextAge enter
expect App.beeps 1
expect FormBase.TextAge.text 32767
expect Chara.Age 32767
type FormBase.TextAge 3
key FormBase.TextAge enter
type FormBase.TextAge -32769
key FormBase.TextAge enter
expect App.beeps 2
expect FormBase.TextAge.text 3
expect Chara.Age 3
expect Chara.AgeClass 1
expect FormAbility.ComboAge.index 1

# The number: only Enter stores it.
type FormBase.TextID 12
expect Chara.CharaNo 0
key FormBase.TextID enter
expect Chara.CharaNo 12
type FormBase.TextID 2.5
key FormBase.TextID enter
expect Chara.CharaNo 3
type FormBase.TextID -2.5
key FormBase.TextID enter
expect Chara.CharaNo -3
type FormBase.TextID 番号
key FormBase.TextID enter
expect Chara.CharaNo 0
type FormBase.TextID 32767
key FormBase.TextID enter
expect Chara.CharaNo 32767
type FormBase.TextID 99999
key FormBase.TextID enter
expect App.beeps 3
expect FormBase.TextID.text 32767
expect Chara.CharaNo 32767
# A new character starts at number 0.
click FormAbility.CommandRun
expect Chara.CharaNo 0
expect FormBase.TextID.text 0

# The bracket comes from the typed age even when the abilities window has to
# be created first (its load rolls a new character).
select FormAbility.ComboLace 0
close FormAbility
type FormBase.TextAge 70
key FormBase.TextAge enter
expect Chara.AgeClass 7
expect FormAbility.ComboAge.index 7

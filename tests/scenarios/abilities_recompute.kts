# The recomputation: base total, pair sums, templates, age factor, bonuses,
# totals and the number display; hand entry of base values and abilities.

# 人間 with every base value 7 ("期待値"), no template, age category 0.
click FormAbility.CommandE(1)
expect FormAbility.TextAb(0).text 7
expect FormAbility.TextAb(7).text 7
expect Chara.BaseTotal 56
expect FormAbility.LabelTotalSub.caption 56
expect FormAbility.TextAbility(0).text 14
expect FormAbility.TextAbility(5).text 14
expect FormAbility.TextAdd(0).text +2
expect FormAbility.TextAdd(5).text +2
expect FormAbility.LabelTotalAdd.caption 12
expect FormAbility.LabelTotalMain.caption 84
expect Chara.Ability(3) 14
expect Chara.AbilityTotal 84
# The recomputation copies the record into the working copy.
expect CharaWork.AbilityTotal 84
expect CharaWork.BaseValue(7) 7

# Age categories: young ages scale all six, old ages spare 知力 and 精神力.
select FormAbility.ComboAge 1
expect Chara.AgeClass 1
expect FormAbility.TextAbility(0).text 2
expect FormAbility.TextAbility(2).text 2
expect FormAbility.TextAdd(0).text +0
expect FormAbility.LabelTotalAdd.caption 0
expect FormAbility.LabelTotalMain.caption 12
select FormAbility.ComboAge 10
expect FormAbility.TextAbility(0).text 2
expect FormAbility.TextAbility(1).text 2
expect FormAbility.TextAbility(2).text 14
expect FormAbility.TextAbility(3).text 2
expect FormAbility.TextAbility(4).text 2
expect FormAbility.TextAbility(5).text 14
select FormAbility.ComboAge 6
expect FormAbility.TextAbility(0).text 12
expect FormAbility.TextAbility(2).text 14
select FormAbility.ComboAge 0
expect Chara.AgeClass 0

# Templates: ヴァンパイア, then ノーライフキング unchecks it.
click FormAbility.CheckAdd(0)
expect FormAbility.CheckAdd(0).caption ヴァンパイア
expect Chara.UndeadType 1
expect FormAbility.TextAbility(0).text 20
expect FormAbility.TextAbility(3).text 20
expect FormAbility.TextAbility(4).text 26
expect FormAbility.TextAbility(5).text 26
click FormAbility.CheckAdd(1)
expect FormAbility.CheckAdd(1).caption ノーライフキング
expect FormAbility.CheckAdd(0).value 0
expect FormAbility.CheckAdd(1).value 1
expect Chara.UndeadType 2
expect FormAbility.TextAbility(0).text 20
expect FormAbility.TextAbility(2).text 26
expect FormAbility.TextAbility(5).text 32
expect FormAbility.LabelTotalMain.caption 150
click FormAbility.CheckAdd(0)
expect FormAbility.CheckAdd(1).value 0
expect Chara.UndeadType 1
click FormAbility.CheckAdd(0)
expect Chara.UndeadType 0
expect FormAbility.TextAbility(5).text 14

# An ability typed by hand: 20 over A + B = 14 keeps the adjustment 6.
type FormAbility.TextAbility(0) 20
key FormAbility.TextAbility(0) enter
expect Chara.AbilityAdjust(0) 6
expect Chara.Ability(0) 20
expect FormAbility.TextAbility(0).text 20
expect FormAbility.TextAdd(0).text +3
expect FormAbility.LabelTotalAdd.caption 13
expect FormAbility.LabelTotalMain.caption 90
# Only the recomputation copies into the working copy.
expect CharaWork.Ability(0) 14
# The template comes on top of the typed value at the next recomputation.
click FormAbility.CheckAdd(0)
expect FormAbility.TextAbility(0).text 26
expect CharaWork.Ability(0) 26
click FormAbility.CheckAdd(0)
expect FormAbility.TextAbility(0).text 20
# A typed half: the adjustment rounds halves to even, the ability keeps the half.
type FormAbility.TextAbility(1) 20.5
key FormAbility.TextAbility(1) enter
expect Chara.AbilityAdjust(1) 6
expect FormAbility.TextAbility(1).text 20.5
# A negative ability shows its bonus as "+-1".
type FormAbility.TextAbility(2) -1
key FormAbility.TextAbility(2) enter
expect Chara.AbilityAdjust(2) -15
expect FormAbility.TextAdd(2).text +-1

# Base values typed by hand: letters only are 0, digits before letters are read.
type FormAbility.TextAb(1) abc
key FormAbility.TextAb(1) enter
expect Chara.BaseValue(1) 0
expect FormAbility.TextAb(1).text 0
expect Chara.BaseTotal 49
expect FormAbility.TextAbility(0).text 13
type FormAbility.TextAb(1) 12abc
key FormAbility.TextAb(1) enter
expect Chara.BaseValue(1) 12
expect FormAbility.TextAb(1).text 12
type FormAbility.TextAb(7) " 3.5"
key FormAbility.TextAb(7) enter
expect Chara.BaseValue(7) 3.5
expect FormAbility.TextAb(7).text 3.5
expect FormAbility.TextAbility(5).text 10.5
expect FormAbility.LabelTotalSub.caption 57.5
# Other keys leave the record alone.
type FormAbility.TextAb(0) 9
key FormAbility.TextAb(0) x
expect Chara.BaseValue(0) 7

# Refused: an ability whose adjustment leaves -32768..32767, a base value
# no Single holds. Beep, the box shows the kept value, nothing changes.
expect App.beeps 0
type FormAbility.TextAbility(3) 40000
key FormAbility.TextAbility(3) enter
expect App.beeps 1
expect FormAbility.TextAbility(3).text 14
expect Chara.AbilityAdjust(3) 0
type FormAbility.TextAbility(3) -32755
key FormAbility.TextAbility(3) enter
expect App.beeps 2
type FormAbility.TextAbility(3) -32754
key FormAbility.TextAbility(3) enter
expect App.beeps 2
expect Chara.AbilityAdjust(3) -32768
type FormAbility.TextAb(4) 1e39
key FormAbility.TextAb(4) enter
expect App.beeps 3
expect FormAbility.TextAb(4).text 7
expect Chara.BaseValue(4) 7

# A new character clears the adjustments and both templates.
click FormAbility.CheckAdd(1)
click FormAbility.CommandRun
expect Chara.AbilityAdjust(0) 0
expect Chara.AbilityAdjust(3) 0
expect FormAbility.CheckAdd(1).value 0
expect Chara.UndeadType 0

# Race choice and new-character generation: race settings, the fixed base
# values, class adaptation (人間 only), the deity, the birth general skill.

# The lists as the window offers them.
expect FormAbility.ComboLace.count 10
expect FormAbility.ComboLace.item(0) 人間
expect FormAbility.ComboLace.index 0
expect FormAbility.ComboShift.count 6
expect FormAbility.CommandE(0).caption 最大
expect FormAbility.CommandE(1).caption 期待値
expect FormAbility.CommandE(2).caption 最小
expect FormAbility.CommandRun.caption 新規作成
expect FormAbility.CommandRe.caption 計算

# ドワーフ: fixed experience, mother tongue, general skill; no adventurer skill.
select FormAbility.ComboLace 1
expect Chara.Race 1
expect Globals.CharacterLoaded 0
expect Chara.ExpTotal 3000
expect Chara.NativeLanguage 7
expect Chara.GeneralSkillPoints 5
expect Chara.GeneralSkillName(0) クラフトマン
expect Chara.GeneralSkillLevel(0) 5
expect Chara.BirthGeneralSkill クラフトマン
expect Chara.BirthGeneralSkillLevel 5
expect Chara.SkillLevel(0) 0
expect Chara.SkillLevel(8) 0
expect FormExp.LabelHome.caption ドワーフ
expect Chara.AbilityAdjust(0) 0
expect Chara.CharaNo 0
# The race's fixed values.
click FormAbility.CommandE(2)
expect FormAbility.TextAb(0).text 8
expect FormAbility.TextAb(1).text 1
expect FormAbility.TextAb(2).text 5
expect FormAbility.TextAb(3).text 1
expect FormAbility.TextAb(4).text 5
expect FormAbility.TextAb(5).text 7
expect FormAbility.TextAb(6).text 6
expect FormAbility.TextAb(7).text 6
expect Chara.BaseValue(7) 6
click FormAbility.CommandE(0)
expect FormAbility.TextAb(0).text 18
expect FormAbility.TextAb(1).text 3
click FormAbility.CommandE(1)
expect FormAbility.TextAb(1).text 2
expect FormAbility.TextAb(2).text 7.5
# Class adaptation is a human's option only.
expect FormAbility.ComboShift.enabled 0
expect FormAbility.ComboShift.index 0
select FormAbility.ComboShift 1
expect FormAbility.ComboShift.index 0

# A human afterwards carries no birth general skill of the dwarf.
select FormAbility.ComboLace 0
expect Chara.BirthGeneralSkill ""
expect Chara.BirthGeneralSkillLevel 0
expect Chara.GeneralSkillLevel(0) 0
expect FormAbility.ComboShift.enabled 1
click FormAbility.CommandE(1)
expect FormAbility.TextAb(0).text 7
expect FormAbility.TextAb(7).text 7
click FormAbility.CommandE(0)
expect FormAbility.TextAb(0).text 12
click FormAbility.CommandE(2)
expect FormAbility.TextAb(0).text 2

# エルフ: halves show one decimal.
select FormAbility.ComboLace 3
expect Chara.ExpTotal 3500
expect Chara.NativeLanguage 6
expect Chara.SkillLevel(4) 1
expect Chara.BirthSkillLevel(4) 1
expect FormExp.LabelHome.caption エルフ
click FormAbility.CommandE(1)
expect FormAbility.TextAb(0).text 9.5
expect FormAbility.TextAb(4).text 3.5
expect FormAbility.TextAb(5).text 2
expect FormAbility.TextAb(6).text 7.5
expect FormAbility.TextAb(7).text 9.5
expect FormAbility.TextAbility(0).text 19
expect FormAbility.TextAbility(3).text 5.5
expect FormAbility.TextAbility(5).text 17
expect FormAbility.LabelTotalSub.caption 60.5

# Birth labels of the fixed races (half-width katakana where so written).
select FormAbility.ComboLace 5
expect FormExp.LabelHome.caption ﾌｪｻﾞｰﾌｫﾙｸ
expect Chara.NativeLanguage 12
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 8
expect FormExp.LabelHome.caption ﾘｻﾞｰﾄﾞﾏﾝ
expect Chara.NativeLanguage 16
expect Chara.SkillLevel(0) 1
expect Chara.SkillLevel(2) 1
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 2
expect Chara.ExpTotal 4500
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 4
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 6
expect Chara.NativeLanguage 14
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 7
expect FormAbility.ComboShift.enabled 0
select FormAbility.ComboLace 9
expect Chara.NativeLanguage 9
expect FormAbility.ComboShift.enabled 0

# 人間 class adaptation: base values 3 8 1 6 2 7 5 4 sorted S1 = 8 ... S8 = 1.
select FormAbility.ComboLace 0
expect FormAbility.ComboShift.enabled 1
type FormAbility.TextAb(0) 3
key FormAbility.TextAb(0) enter
type FormAbility.TextAb(1) 8
key FormAbility.TextAb(1) enter
type FormAbility.TextAb(2) 1
key FormAbility.TextAb(2) enter
type FormAbility.TextAb(3) 6
key FormAbility.TextAb(3) enter
type FormAbility.TextAb(4) 2
key FormAbility.TextAb(4) enter
type FormAbility.TextAb(5) 7
key FormAbility.TextAb(5) enter
type FormAbility.TextAb(6) 5
key FormAbility.TextAb(6) enter
type FormAbility.TextAb(7) 4
key FormAbility.TextAb(7) enter
# ファイター: S6 S3 S4 S8 S2 S1 S5 S7
select FormAbility.ComboShift 1
expect Chara.BaseValue(0) 3
expect Chara.BaseValue(1) 6
expect Chara.BaseValue(2) 5
expect Chara.BaseValue(3) 1
expect Chara.BaseValue(4) 7
expect FormAbility.TextAb(5).text 8
expect FormAbility.TextAb(6).text 4
expect FormAbility.TextAb(7).text 2
expect FormAbility.TextAbility(3).text 15
# シャーマン: S7 S5 S1 S2 S8 S6 S3 S4, whatever the arrangement before.
select FormAbility.ComboShift 4
expect FormAbility.TextAb(0).text 2
expect FormAbility.TextAb(1).text 4
expect FormAbility.TextAb(2).text 8
expect FormAbility.TextAb(3).text 7
expect FormAbility.TextAb(4).text 1
expect FormAbility.TextAb(5).text 3
expect FormAbility.TextAb(6).text 6
expect FormAbility.TextAb(7).text 5
select FormAbility.ComboShift 0
expect FormAbility.TextAb(0).text 2
# A new roll sets the list back to "なし".
select FormAbility.ComboShift 2
click FormAbility.CommandRun
expect FormAbility.ComboShift.index 0

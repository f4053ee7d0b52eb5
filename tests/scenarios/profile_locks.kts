# Typing in the profile boxes writes the record at once and marks what was
# entered by hand; a typed name keeps only the name marked.

# The first character was generated: nothing is marked.
expect Globals.ProfileLock(0) 0
expect Globals.ProfileLock(3) 0
expect Globals.ProfileLock(4) 0
expect Globals.ProfileLock(5) 0

# Sex and age chosen by hand are marked.
select FormBase.ComboSex 1
expect Chara.Sex 1
expect Globals.ProfileLock(3) 1
select FormBase.ComboSex 0
expect Chara.Sex 0
type FormBase.TextAge 30
key FormBase.TextAge enter
expect Chara.Age 30
expect Globals.ProfileLock(4) 1

# A name typed afterwards releases them: only the name stays marked.
type FormBase.TextChara(0) タロウ
expect Chara.Name タロウ
expect Globals.ProfileLock(0) 1
expect Globals.ProfileLock(1) 0
expect Globals.ProfileLock(2) 0
expect Globals.ProfileLock(3) 0
expect Globals.ProfileLock(4) 0
expect Globals.ProfileLock(5) 0
# Every keystroke reaches the record.
key FormBase.TextChara(0) 2
expect Chara.Name タロウ2

# The common name marks its own entry and nothing else.
select FormBase.ComboSex 1
type FormBase.TextChara(1) 風来坊
expect Chara.CommonName 風来坊
expect Globals.ProfileLock(1) 1
expect Globals.ProfileLock(0) 1
expect Globals.ProfileLock(2) 0
expect Globals.ProfileLock(3) 1
expect Globals.ProfileLock(4) 0

# So does the description, line breaks and all.
type FormBase.TextChara(2) "一行目\r\n二行目"
expect Chara.Description "一行目\r\n二行目"
expect Globals.ProfileLock(2) 1
expect Globals.ProfileLock(1) 1
expect Globals.ProfileLock(0) 1

# Generation keeps the marked name and sex, and leaves the marks as they were.
click FormAbility.CommandRun
expect Chara.Name タロウ2
expect FormBase.TextChara(0).text タロウ2
expect Chara.Sex 1
expect FormBase.ComboSex.index 1
expect Chara.CommonName 風来坊
expect Chara.Description "一行目\r\n二行目"
expect Globals.ProfileLock(0) 1
expect Globals.ProfileLock(1) 1
expect Globals.ProfileLock(2) 1
expect Globals.ProfileLock(3) 1

# With only the name marked, the sex is rolled but the name still stays.
type FormBase.TextChara(0) ハナコ
expect Globals.ProfileLock(3) 0
click FormAbility.CommandRun
click FormAbility.CommandRun
click FormAbility.CommandRun
expect Chara.Name ハナコ
expect Globals.ProfileLock(0) 1
expect Globals.ProfileLock(3) 0

#! --seed 11
# Closing and reopening the languages window: the record keeps every
# choice, and the reopened window counts them against the character's own
# allowance (no beep, the right "残り", the remaining pick still usable).
type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 6
scroll FormExp.HScrollLv 3
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 1
expect Chara.Ability(2) 14
expect FormLang.LabelMaxLang(0).caption 3
expect FormLang.LabelMaxLang(1).caption 2
select FormLang.ComboLang 5
click FormLang.CheckLang(1)
select FormLang.ComboSong 6
click FormLang.CheckSong
select FormLang.ComboGod 9
expect FormLang.LabelMaxLang(1).caption 1
expect FormLang.ListLang(1).count 4

close FormLang
expect MDIFormKT.KTMenuLang.checked 0
click MDIFormKT.KTMenuLang
expect FormLang.visible 1
expect FormLang.width 15240
expect FormLang.height 2910
expect App.beeps 0
expect FormLang.ComboGod.index 9
expect Chara.God 9
expect Globals.ProfileLock(5) 0
expect FormLang.ComboLang.index 0
expect FormLang.ComboSong.index 0
expect FormLang.ListLang(0).count 2
expect FormLang.ListLang(1).count 4
expect FormLang.ListLang(1).item(3) エルフ語
expect Chara.LangName(3,1) エルフ語
expect FormLang.LabelMaxLang(0).caption 2
expect FormLang.LabelMaxLang(1).caption 1
expect FormLang.ListSong.count 1
expect FormLang.ListSong.item(0) ノスタルジィ
expect FormLang.LabelMaxSongs.caption 0
select FormLang.ComboLang 6
click FormLang.CheckLang(1)
expect Chara.LangFlag(7,1) 1
expect FormLang.LabelMaxLang(1).caption 0
select FormLang.ComboLang 3
click FormLang.CheckLang(1)
expect App.beeps 1
expect Chara.LangFlag(4,1) 0
# Back in the normal state the window keeps its own size (in whole pixels).
state FormLang normal
expect FormLang.width 15240
expect FormLang.height 2910

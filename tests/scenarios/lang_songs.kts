#! --seed 11
# Songs: learned up to the バード level, refused beyond it, deleted, cleared,
# and dropped when the バード level is lowered in the skills window.
expect FormLang.ComboSong.index 0
expect FormLang.ListSong.count 0
expect FormLang.LabelMaxSongs.caption 0
# Without バード no song can be learned.
click FormLang.CheckSong
expect App.beeps 1
expect FormLang.CheckSong.value 0
expect Chara.SongFlag(1) 0

type FormExp.TextExp 100000
key FormExp.TextExp enter
select FormExp.ComboSkill 7
scroll FormExp.HScrollLv 2
expect FormLang.LabelMaxSongs.caption 2
select FormLang.ComboSong 9
click FormLang.CheckSong
expect FormLang.CheckSong.value 1
expect Chara.SongFlag(10) 1
expect Chara.SongFlag(0) 1
expect FormLang.LabelMaxSongs.caption 1
select FormLang.ComboSong 2
click FormLang.CheckSong
expect FormLang.LabelMaxSongs.caption 0
expect FormLang.ListSong.count 2
expect FormLang.ListSong.item(0) サモンスモールアニマル
expect FormLang.ListSong.data(0) 3
expect FormLang.ListSong.item(1) マーチ
expect FormLang.ListSong.data(1) 10
expect Chara.SongName(0) サモンスモールアニマル
expect Chara.SongName(1) マーチ
expect Chara.SongName(2) ""
# A third song is refused.
select FormLang.ComboSong 15
click FormLang.CheckSong
expect App.beeps 2
expect FormLang.CheckSong.value 0
expect Chara.SongFlag(16) 0
expect FormLang.ListSong.count 2
expect FormLang.LabelMaxSongs.caption 0

# A row chooses its song and stays selected.
select FormLang.ListSong 1
expect FormLang.ComboSong.text マーチ
expect FormLang.CheckSong.value 1
expect FormLang.ListSong.index 1
select FormLang.ListSong 0
expect FormLang.ComboSong.text サモンスモールアニマル
expect FormLang.ListSong.index 0
# A click on the row of the song already shown leaves nothing pending: putting
# the song down does not move the combo to the song that takes the row.
select FormLang.ListSong 0
click FormLang.CheckSong
expect Chara.SongFlag(3) 0
expect FormLang.ListSong.count 1
expect FormLang.ListSong.index -1
expect FormLang.ComboSong.text サモンスモールアニマル
click FormLang.CheckSong
expect FormLang.ListSong.count 2

# Delete: nothing selected does nothing; a selected row is unlearned.
click FormLang.CommandSongDelete
expect FormLang.ListSong.count 2
expect App.beeps 2
select FormLang.ListSong 0
expect FormLang.ComboSong.text サモンスモールアニマル
click FormLang.CommandSongDelete
expect Chara.SongFlag(3) 0
expect FormLang.CheckSong.value 0
expect FormLang.ListSong.count 1
expect FormLang.ListSong.item(0) マーチ
expect Chara.SongName(0) マーチ
expect Chara.SongName(1) ""
expect FormLang.LabelMaxSongs.caption 1
# The reset unlearns every song.
click FormLang.CommandSongClear
expect Chara.SongFlag(10) 0
expect Chara.SongFlag(0) 0
expect FormLang.ListSong.count 0
expect Chara.SongName(0) ""
expect FormLang.LabelMaxSongs.caption 2

# Two songs, then バード lowered to 1: the later one in the song list goes.
select FormLang.ComboSong 13
click FormLang.CheckSong
select FormLang.ComboSong 4
click FormLang.CheckSong
expect FormLang.ListSong.count 2
scroll FormExp.HScrollLv 1
expect Chara.SkillLevel(7) 1
expect Chara.SongFlag(5) 1
expect Chara.SongFlag(14) 0
expect FormLang.ListSong.count 1
expect FormLang.ListSong.item(0) ダンス
expect Chara.SongName(0) ダンス
expect Chara.SongName(1) ""
expect FormLang.LabelMaxSongs.caption 0
# Without バード every song goes.
scroll FormExp.HScrollLv 0
expect Chara.SongFlag(5) 0
expect FormLang.ListSong.count 0
expect FormLang.CheckSong.value 0
expect FormLang.LabelMaxSongs.caption 0
expect App.beeps 2

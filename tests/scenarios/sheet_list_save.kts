# An empty folder: only the edited character's row, and in the table the
# header and one unsaved row.
type FormBase.TextChara(0) エディ
click MDIFormKT.MenuCharaList
expect Files.Characters ""
expect FormTextSheet.ListC.count 1
expect FormTextSheet.ListC.item(0) （編集中）エディ
expect FormTextSheet.ListC.data(0) 0
expect FormTextSheet.ListSort.count 2
expect FormTextSheet.ListSort.data(0) -1
expect FormTextSheet.ListSort.item(0) "Ｎｏ｜名前            ｜ＬＶ｜   総経験点   ｜ Ｆ ｜ Ｔ ｜ Ｒ ｜ Ｍ ｜ Ｅ ｜ Ｐ ｜ Ｓ ｜ Ｂ ｜ Ｄ ｜"
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandC.enabled 1
expect FormTextSheet.CommandW.enabled 0
expect FormTextSheet.CommandD.enabled 0
# The first save: KTC01.ktc, renamed by the pass; the number shows in the profile.
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc
expect Chara.CharaNo 1
expect FormBase.TextID.text 1
expect FormTextSheet.ListC.count 2
expect FormTextSheet.ListC.item(1) エディ
# The edited character has a file now: the table leaves row 0 out.
expect FormTextSheet.ListSort.count 2
expect FormTextSheet.ListSort.data(1) 1
expect FormTextSheet.CommandW.enabled 1
# Three more characters; saving with 4 files writes KTC05.ktc holding
# number 5, which the pass renames to KTC01-05.ktc.
type FormBase.TextChara(0) フラン
type FormBase.TextID 0
key FormBase.TextID enter
expect Chara.CharaNo 0
click FormTextSheet.CommandC
type FormBase.TextChara(0) ジーナ
type FormBase.TextID 0
key FormBase.TextID enter
click FormTextSheet.CommandC
type FormBase.TextChara(0) ハル
type FormBase.TextID 0
key FormBase.TextID enter
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc
type FormBase.TextChara(0) イオ
type FormBase.TextID 0
key FormBase.TextID enter
activate MDIFormKT
activate FormTextSheet
expect FormTextSheet.ListC.item(0) （編集中）イオ
expect FormTextSheet.ListSort.count 6
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc|KTC01-05.ktc
expect Chara.CharaNo 5
expect FormBase.TextID.text 5
expect FormTextSheet.ListC.item(5) イオ
expect FormTextSheet.ListSort.count 6
expect FormTextSheet.ListSort.data(5) 5
readfile Characters/KTC01-05.ktc
expect CharaWork.Name イオ
expect CharaWork.CharaNo 5

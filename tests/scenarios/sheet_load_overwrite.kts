#! --seed 7
# Load: a file row's character becomes the current one and reaches every window.
type FormBase.TextChara(0) アリス
type FormBase.TextAge 33
key FormBase.TextAge enter
writefile Characters/KTC01-01.ktc
type FormBase.TextChara(0) ボブ
writefile Characters/KTC01-02.ktc
select FormAbility.ComboLace 3
type FormBase.TextChara(0) キャロル
writefile Characters/KTC01-03.ktc
type FormBase.TextChara(0) デイヴ
click MDIFormKT.MenuCharaList
expect FormTextSheet.ListC.count 4
select FormTextSheet.ListC 1
expect CharaWork.Name アリス
expect CharaWork.Age 33
click FormTextSheet.CommandC
expect Chara.Name アリス
expect Chara.CharaNo 1
expect FormTextSheet.ListC.item(0) （編集中）アリス
expect FormTextSheet.ListC.index 0
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandW.enabled 1
expect Globals.ProfileLock(0) 1
expect Globals.ProfileLock(5) 1
# The languages refresh took the loaded character's languages over, once.
expect Globals.CharacterLoaded 0
expect FormBase.TextChara(0).text アリス
expect FormBase.TextAge.text 33
expect FormBase.TextID.text 1
# The table leaves out row 0: the loaded character has its file.
expect FormTextSheet.ListSort.count 4
expect FormTextSheet.ListSort.data(1) 1
# A race other than the shown one is loaded without rolling anew.
select FormTextSheet.ListC 3
click FormTextSheet.CommandC
expect Chara.Name キャロル
expect Chara.Race 3
expect FormAbility.ComboLace.index 3
expect FormBase.TextChara(0).text キャロル

# Overwrite: the file at the edited character's number is rewritten.
type FormBase.TextChara(1) 疾風の
click FormTextSheet.CommandW
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc
readfile Characters/KTC01-03.ktc
expect CharaWork.CommonName 疾風の
expect CharaWork.Name キャロル
readfile Characters/KTC01-02.ktc
expect CharaWork.Name ボブ
expect FormTextSheet.ListC.index 0
expect FormTextSheet.ListC.item(3) キャロル

# The number typed in the profile decides the file: 2 overwrites ボブ's.
type FormBase.TextID 2
key FormBase.TextID enter
click FormTextSheet.CommandW
readfile Characters/KTC01-02.ktc
expect CharaWork.Name キャロル
expect CharaWork.CharaNo 2
expect Chara.CharaNo 2

# A number beyond the files saves a new one: 7 with 3 files gives number 4.
type FormBase.TextID 7
key FormBase.TextID enter
expect FormTextSheet.CommandW.enabled 1
click FormTextSheet.CommandW
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc
expect Chara.CharaNo 4
expect FormBase.TextID.text 4
readfile Characters/KTC01-04.ktc
expect CharaWork.CharaNo 4
expect CharaWork.Name キャロル

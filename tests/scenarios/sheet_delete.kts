# Delete asks first; いいえ leaves everything as it was.
type FormBase.TextChara(0) アリス
writefile Characters/KTC01-01.ktc
type FormBase.TextChara(0) ボブ
writefile Characters/KTC01-02.ktc
type FormBase.TextChara(0) キャロル
writefile Characters/KTC01-03.ktc
type FormBase.TextChara(0) デイヴ
writefile Characters/KTC01-04.ktc
click MDIFormKT.MenuCharaList
# The edited character is the one in file 3.
select FormTextSheet.ListC 3
click FormTextSheet.CommandC
expect Chara.CharaNo 3
expect FormTextSheet.CommandD.enabled 0
select FormTextSheet.ListC 1
answer no
click FormTextSheet.CommandD
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc
expect FormTextSheet.ListC.index 1

# はい: file 1 goes, the later files move down and are renumbered, and the
# edited character's number follows its file from 3 to 2.
answer yes
click FormTextSheet.CommandD
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc
expect FormTextSheet.ListC.item(1) ボブ
expect FormTextSheet.ListC.item(2) キャロル
expect FormTextSheet.ListC.item(3) デイヴ
expect Chara.CharaNo 2
expect FormBase.TextID.text 2
readfile Characters/KTC01-02.ktc
expect CharaWork.Name キャロル
expect CharaWork.CharaNo 2
# So 上書 writes into the edited character's own file, not デイヴ's.
type FormBase.TextChara(1) 上書き後
click FormTextSheet.CommandW
readfile Characters/KTC01-02.ktc
expect CharaWork.CommonName 上書き後
readfile Characters/KTC01-03.ktc
expect CharaWork.Name デイヴ
expect CharaWork.CommonName ""

# Deleting the edited character's own file: its number becomes 0, the
# table takes row 0 in again and 上書 is off.
select FormTextSheet.ListC 2
answer yes
click FormTextSheet.CommandD
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc
expect Chara.CharaNo 0
expect FormBase.TextID.text 0
expect FormTextSheet.ListC.item(2) デイヴ
expect FormTextSheet.ListSort.count 4
expect FormTextSheet.ListSort.data(1) 0
expect FormTextSheet.CommandW.enabled 0
readfile Characters/KTC01-02.ktc
expect CharaWork.Name デイヴ
expect CharaWork.CharaNo 2

# Every activation of the sheet window by a person rebuilds the list.
type FormBase.TextChara(0) アリス
writefile Characters/KTC01-01.ktc
click MDIFormKT.MenuCharaList
expect FormTextSheet.ListC.count 2
# A file appears while the window is not the active one.
activate MDIFormKT
type FormBase.TextChara(0) ボブ
writefile Characters/zz.ktc
expect FormTextSheet.ListC.count 2
activate FormTextSheet
expect FormTextSheet.ListC.count 3
expect FormTextSheet.ListC.item(0) （編集中）ボブ
expect FormTextSheet.ListC.item(2) ボブ
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc
# The main window's list command passes through the program's folder: a
# character file there is neither listed nor renamed.
writefile stray.ktc
click MDIFormKT.MenuCharaList
expect FormTextSheet.ListC.count 3
readfile stray.ktc
expect CharaWork.Name ボブ
expect FormTextSheet.FileCL.count 2

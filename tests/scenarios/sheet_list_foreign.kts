# Foreign names: A.ktc sorts before the regular names and z.ktc after them
# (plain code-point order). A.ktc's regular name is taken, so no rename may
# replace a file: the chain moves from its free end, and the passes end with
# every character listed once under its regular name.
click MDIFormKT.MenuCharaList
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc
expect FormTextSheet.ListC.count 5
expect FormTextSheet.ListC.item(1) アリス
expect FormTextSheet.ListC.item(2) ボブ
expect FormTextSheet.ListC.item(3) キャロル
expect FormTextSheet.ListC.item(4) デイヴ
readfile Characters/KTC01-01.ktc
expect CharaWork.Name アリス
expect CharaWork.CharaNo 1
readfile Characters/KTC01-02.ktc
expect CharaWork.Name ボブ
expect CharaWork.CharaNo 2
readfile Characters/KTC01-03.ktc
expect CharaWork.Name キャロル
expect CharaWork.CharaNo 3
readfile Characters/KTC01-04.ktc
expect CharaWork.Name デイヴ
expect CharaWork.CharaNo 4

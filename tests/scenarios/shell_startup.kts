# Start-up: the main window, its full menu tree, the arranged child windows.
expect MDIFormKT.caption "KTCMT -KestrelＲＰＧキャラクター作成支援ツール-"
expect MDIFormKT.visible 1
expect MDIFormKT.state maximized
expect MDIFormKT.active FormBase

expect MDIFormKT.MenuFile.caption "シート＆リスト(&F)"
expect MDIFormKT.MenuCharaList.caption "キャラクターリスト(&L)"
expect MDIFormKT.MenuCharaSheetText.caption "キャラクターシート（テキスト）(&T)"
expect MDIFormKT.MenuBar101.caption -
expect MDIFormKT.MenuClose.caption "閉じる(&C)"
expect MDIFormKT.MenuBar103.caption -
expect MDIFormKT.MenuExit.caption "終了(&E)"
expect MDIFormKT.KTMenuWindows.caption "ウィンドウ表示(&W)"
expect MDIFormKT.MenuAllOpen.caption "全て開いて整列(&A)"
expect MDIFormKT.MenuBar201.caption -
expect MDIFormKT.KTMenuBase.caption "名前(&N)"
expect MDIFormKT.KTMenuAbi.caption "能力値(&B)"
expect MDIFormKT.KTMenuExp.caption "技能(&S)"
expect MDIFormKT.KTMenuEq.caption "装備(&Q)"
expect MDIFormKT.KTMenuLang.caption "言語(&L)"
expect MDIFormKT.MenuBar202.caption -
expect MDIFormKT.MenuAllHide.caption "全て隠す(&H)"
expect MDIFormKT.MenuBar102.caption -
expect MDIFormKT.MenuPort.caption "肖像画(&P)"
expect MDIFormKT.MenuInfo.caption "インフォメーション(&F)"
expect MDIFormKT.MenuCopyright.caption "著作権関連(&C)"
expect MDIFormKT.MenuVersion.caption "バージョン情報(&V)"

# Every window item is checked; the portrait item never is.
expect MDIFormKT.KTMenuBase.checked 1
expect MDIFormKT.KTMenuAbi.checked 1
expect MDIFormKT.KTMenuExp.checked 1
expect MDIFormKT.KTMenuEq.checked 1
expect MDIFormKT.KTMenuLang.checked 1
expect MDIFormKT.MenuPort.checked 0
expect MDIFormKT.MenuAllOpen.checked 0

# Captions and fixed sizes of the child windows.
expect FormBase.caption 基本設定
expect FormAbility.caption 基本能力
expect FormExp.caption 技能
expect FormEquip.caption 装備
expect FormLang.caption 言語など
expect FormPort.caption 肖像
expect FormBase.width 7320
expect FormBase.height 2400
expect FormExp.width 7920
expect FormExp.height 2400
expect FormEquip.width 8760
expect FormEquip.height 4725
expect FormLang.width 15240
expect FormLang.height 2910
expect FormPort.width 5535
expect FormPort.height 4500

# The two-column arrangement (twips: 15 per pixel).
expect FormBase.left 0
expect FormBase.top 0
expect FormExp.left 7320
expect FormExp.top 0
expect FormAbility.left 0
expect FormAbility.top 2400
expect FormEquip.left 6480
expect FormEquip.top 2400
expect FormLang.left 0
expect FormLang.top 7125
expect FormPort.visible 1

# No off-hand weapon in either record.
expect Chara.WeaponStr(1) -1
expect CharaWork.WeaponStr(1) -1
expect Globals.WindowCmd 0

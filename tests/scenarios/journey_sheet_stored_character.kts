#! --seed 5
# A dwarf dark priest and no-life king with general skills and two daggers:
# the sheet names the dark priest, the general skills and the undead kind as
# the windows do; saved, and shown again from its file row while another
# character is being edited, the sheet gives the stored critical values
# and not the ones the equipment window shows for the edited character.
select FormAbility.ComboLace 1
type FormBase.TextChara(0) ガンド
click FormExp.LabelSType
type FormExp.TextExp 8
key FormExp.TextExp enter
select FormExp.ComboNSkill 2
scroll FormExp.HScrollLv 2
type FormExp.ComboNSkill ファーマー
scroll FormExp.HScrollLv 1
click FormExp.LabelSType
select FormExp.ComboSkill 5
type FormExp.TextExp 10000
key FormExp.TextExp enter
scroll FormExp.HScrollLv 2
select FormLang.ComboGod 6
check FormAbility.CheckAdd(1) 1
type FormEquip.TextGold 500
key FormEquip.TextGold enter
select FormEquip.ComboWeapon(0) 1
click FormEquip.LabelLeft
select FormEquip.ComboWeapon(2) 1
click MDIFormKT.MenuCharaSheetText
expect FormTextSheet.TextSheet.text "＜新規キャラクター＞\r\n\r\nガンド （ノーライフキングドワーフ／女／４２歳）\r\n\r\n　器用度２１（＋３）　　 敏捷度１４（＋２）　　 知力１８（＋３）　　 筋力２５（＋４）\r\n　生命力３０（＋５）　　 精神力３９（＋６）\r\n\r\n　冒険者技能　ダークプリースト２\r\n　一般技能　　クラフトマン５　ヒーラー２　ファーマー１\r\n\r\n　冒険者レベル　２　（総経験点＝２５００）\r\n　生命力抵抗力　７　　精神力抵抗力　８　　クリティカル値１０／１０\r\n\r\n　武器：右／ダガー（必要筋力１）                攻撃力 -２　打撃力　１　追加ダメージ　０\r\n　　　　左／ダガー（必要筋力１）                攻撃力 -４　打撃力　１　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　２\r\n\r\n　魔法：暗黒魔法（ゾルガン）２レベル            魔力　　５\r\n\r\n　言語：（会話）共通語　ドワーフ語\r\n　　　　（読解）共通語　ドワーフ語"
expect FormExp.ListSkill.item(0) ダークプリースト２
expect FormEquip.LabelCRa(0).caption 10
expect FormEquip.LabelCRa(1).caption 10
click FormTextSheet.MenuMode(0)
click FormTextSheet.CommandC
expect Files.Characters KTC01-01.ktc
click FormTextSheet.MenuClose
select FormAbility.ComboLace 0
select FormEquip.ComboWeapon(2) 0
expect FormEquip.LabelCRa(1).caption 12
click MDIFormKT.MenuCharaList
select FormTextSheet.ListC 1
expect CharaWork.Name ガンド
expect Chara.Race 0
expect FormTextSheet.TextSheet.text "ガンド （ノーライフキングドワーフ／女／４２歳）\r\n　器用度２１（＋３）　　 敏捷度１４（＋２）　　 知力１８（＋３）　　 筋力２５（＋４）\r\n　生命力３０（＋５）　　 精神力３９（＋６）\r\n　冒険者技能　ダークプリースト２\r\n　一般技能　　クラフトマン５　ヒーラー２　ファーマー１\r\n　冒険者レベル　２　（総経験点＝２５００）\r\n　生命力抵抗力　７　　精神力抵抗力　８　　クリティカル値１０／１０\r\n　武器：右／ダガー（必要筋力１）                攻撃力 -２　打撃力　１　追加ダメージ　０\r\n　　　　左／ダガー（必要筋力１）                攻撃力 -４　打撃力　１　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　２\r\n　魔法：暗黒魔法（ゾルガン）２レベル            魔力　　５\r\n　言語：（会話）共通語　ドワーフ語\r\n　　　　（読解）共通語　ドワーフ語"

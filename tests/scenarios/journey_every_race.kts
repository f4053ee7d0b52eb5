#! --seed 21
# Every race rolled and saved in turn, each with its own number; every
# file row then shows that race on its sheet, in the abilities window's
# wording, with its resistances (a ダークエルフ 4 higher in 精神力抵抗力).
select FormAbility.ComboLace 0
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text 人間
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 1
click FormTextSheet.MenuClose
select FormAbility.ComboLace 1
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text ドワーフ
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 2
click FormTextSheet.MenuClose
select FormAbility.ComboLace 2
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text グラスランナー
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 3
click FormTextSheet.MenuClose
select FormAbility.ComboLace 3
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text エルフ
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 4
click FormTextSheet.MenuClose
select FormAbility.ComboLace 4
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text ハーフエルフ
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 5
click FormTextSheet.MenuClose
select FormAbility.ComboLace 5
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text フェザーフォルク
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 6
click FormTextSheet.MenuClose
select FormAbility.ComboLace 6
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text マーマン
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 7
click FormTextSheet.MenuClose
select FormAbility.ComboLace 7
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text ダークエルフ
expect FormEquip.LabelHP(2).caption 2
expect FormEquip.LabelHP(3).caption 7
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 8
click FormTextSheet.MenuClose
select FormAbility.ComboLace 8
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text ノーブルリザードマン
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 9
click FormTextSheet.MenuClose
select FormAbility.ComboLace 9
expect Chara.CharaNo 0
expect FormAbility.ComboLace.text ケンタウロス
click MDIFormKT.MenuCharaList
click FormTextSheet.CommandC
expect Chara.CharaNo 10
click FormTextSheet.MenuClose
expect Files.Characters KTC01-01.ktc|KTC01-02.ktc|KTC01-03.ktc|KTC01-04.ktc|KTC01-05.ktc|KTC01-06.ktc|KTC01-07.ktc|KTC01-08.ktc|KTC01-09.ktc|KTC01-10.ktc
click MDIFormKT.MenuCharaList
expect FormTextSheet.ListC.count 11
select FormTextSheet.ListC 1
expect CharaWork.Race 0
expect CharaWork.CharaNo 1
expect CharaWork.Name ワット
expect FormTextSheet.TextSheet.text "ワット （人間／男／２１歳）\r\n　器用度１７（＋２）　　 敏捷度１６（＋２）　　 知力１３（＋２）　　 筋力１６（＋２）\r\n　生命力１３（＋２）　　 精神力１３（＋２）\r\n　冒険者技能　セージ１\r\n　冒険者レベル　１　（総経験点＝５００）\r\n　生命力抵抗力　３　　精神力抵抗力　３　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　言語：（会話）共通語　西方語\r\n　　　　（読解）共通語　西方語　下位古代語"
select FormTextSheet.ListC 2
expect CharaWork.Race 1
expect CharaWork.CharaNo 2
expect CharaWork.Name ティリス
expect FormTextSheet.TextSheet.text "ティリス （ドワーフ／女／３２歳）\r\n　器用度２０（＋３）　　 敏捷度　９（＋１）　　 知力　７（＋１）　　 筋力１５（＋２）\r\n　生命力２３（＋３）　　 精神力２２（＋３）\r\n　冒険者技能　なし\r\n　一般技能　　クラフトマン５\r\n　冒険者レベル　０　（総経験点＝０）\r\n　生命力抵抗力　３　　精神力抵抗力　３　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　０\r\n　言語：（会話）共通語　ドワーフ語\r\n　　　　（読解）ドワーフ語"
select FormTextSheet.ListC 3
expect CharaWork.Race 2
expect CharaWork.CharaNo 3
expect CharaWork.Name リリス
expect FormTextSheet.TextSheet.text "リリス （グラスランナー／女／５８歳）\r\n　器用度２４（＋４）　　 敏捷度２４（＋４）　　 知力１２（＋２）　　 筋力　２（＋０）\r\n　生命力１３（＋２）　　 精神力２５（＋４）\r\n　冒険者技能　シーフ１　レンジャー１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　３　　精神力抵抗力　５　　クリティカル値１１\r\n　武器：素手                                    攻撃力　５　打撃力　０　追加ダメージ　１\r\n　　盾：なし                                    回避力　５\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　言語：（会話）共通語　西方語\r\n　　　　（読解）共通語　西方語"
select FormTextSheet.ListC 4
expect CharaWork.Race 3
expect CharaWork.CharaNo 4
expect CharaWork.Name カイン
expect FormTextSheet.TextSheet.text "カイン （エルフ／男／１３０歳）\r\n　器用度２１（＋３）　　 敏捷度１８（＋３）　　 知力１９（＋３）　　 筋力　９（＋１）\r\n　生命力１０（＋１）　　 精神力１８（＋３）\r\n　冒険者技能　シャーマン１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　２　　精神力抵抗力　４　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　魔法：精霊魔法１レベル                        魔力　　４\r\n　言語：（会話）共通語　エルフ語　精霊語\r\n　　　　（読解）共通語　エルフ語"
select FormTextSheet.ListC 5
expect CharaWork.Race 4
expect CharaWork.CharaNo 5
expect CharaWork.Name カイン
expect FormTextSheet.TextSheet.text "カイン （ハーフエルフ／男／３６歳）\r\n　器用度１７（＋２）　　 敏捷度１７（＋２）　　 知力２０（＋３）　　 筋力１１（＋１）\r\n　生命力１０（＋１）　　 精神力１４（＋２）\r\n　冒険者技能　シャーマン１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　２　　精神力抵抗力　３　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　魔法：精霊魔法１レベル                        魔力　　４\r\n　言語：（会話）共通語　エルフ語　精霊語\r\n　　　　（読解）共通語　エルフ語"
select FormTextSheet.ListC 6
expect CharaWork.Race 5
expect CharaWork.CharaNo 6
expect CharaWork.Name カイン
expect FormTextSheet.TextSheet.text "カイン （フェザーフォルク／男／６８歳）\r\n　器用度１３（＋２）　　 敏捷度１４（＋２）　　 知力１７（＋２）　　 筋力１５（＋２）\r\n　生命力１６（＋２）　　 精神力２１（＋３）\r\n　冒険者技能　レンジャー１　シャーマン１\r\n　冒険者レベル　１　（総経験点＝２０００）\r\n　生命力抵抗力　３　　精神力抵抗力　４　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　魔法：精霊魔法１レベル                        魔力　　３\r\n　言語：（会話）共通語　ハーピー語　精霊語\r\n　　　　（読解）共通語"
select FormTextSheet.ListC 7
expect CharaWork.Race 6
expect CharaWork.CharaNo 7
expect CharaWork.Name フローラ
expect FormTextSheet.TextSheet.text "フローラ （マーマン／女／８８歳）\r\n　器用度１７（＋２）　　 敏捷度１７（＋２）　　 知力２１（＋３）　　 筋力１１（＋１）\r\n　生命力１５（＋２）　　 精神力１４（＋２）\r\n　冒険者技能　シャーマン１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　３　　精神力抵抗力　３　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　魔法：精霊魔法１レベル                        魔力　　４\r\n　言語：（会話）共通語　マーマン語　精霊語\r\n　　　　（読解）共通語"
select FormTextSheet.ListC 8
expect CharaWork.Race 7
expect CharaWork.CharaNo 8
expect CharaWork.Name ナディア
expect FormTextSheet.TextSheet.text "ナディア （ダークエルフ／女／１４２歳）\r\n　器用度２１（＋３）　　 敏捷度１８（＋３）　　 知力１５（＋２）　　 筋力　７（＋１）\r\n　生命力　７（＋１）　　 精神力１４（＋２）\r\n　冒険者技能　シャーマン１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　２　　精神力抵抗力　７　　クリティカル値１２\r\n　武器：素手                                    攻撃力　０　打撃力　０　追加ダメージ　０\r\n　　盾：なし                                    回避力　０\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　魔法：精霊魔法１レベル                        魔力　　３\r\n　言語：（会話）共通語　エルフ語　精霊語\r\n　　　　（読解）共通語　エルフ語"
select FormTextSheet.ListC 9
expect CharaWork.Race 8
expect CharaWork.CharaNo 9
expect CharaWork.Name ナディア
expect FormTextSheet.TextSheet.text "ナディア （ノーブルリザードマン／女／４０歳）\r\n　器用度１３（＋２）　　 敏捷度１７（＋２）　　 知力１４（＋２）　　 筋力２９（＋４）\r\n　生命力２１（＋３）　　 精神力　８（＋１）\r\n　冒険者技能　ファイター１　レンジャー１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　４　　精神力抵抗力　２　　クリティカル値１２\r\n　武器：素手                                    攻撃力　３　打撃力　０　追加ダメージ　５\r\n　　盾：なし                                    回避力　３\r\n　防具：なし                                                防御力　５　ダメージ減少　１\r\n　言語：（会話）共通語　リザードマン語\r\n　　　　（読解）共通語"
select FormTextSheet.ListC 10
expect CharaWork.Race 9
expect CharaWork.CharaNo 10
expect CharaWork.Name ナディア
expect FormTextSheet.TextSheet.text "ナディア （ケンタウロス／女／３６歳）\r\n　器用度１３（＋２）　　 敏捷度１３（＋２）　　 知力１０（＋１）　　 筋力２２（＋３）\r\n　生命力１９（＋３）　　 精神力　８（＋１）\r\n　冒険者技能　ファイター１　レンジャー１\r\n　冒険者レベル　１　（総経験点＝１５００）\r\n　生命力抵抗力　４　　精神力抵抗力　２　　クリティカル値１２\r\n　武器：素手                                    攻撃力　３　打撃力　０　追加ダメージ　４\r\n　　盾：なし                                    回避力　３\r\n　防具：なし                                                防御力　０　ダメージ減少　１\r\n　言語：（会話）共通語　ケンタウロス語\r\n　　　　（読解）なし"

#! --seed 5
# "シートをコピー" and "オンラインセッション用の駒をコピー": the shown character's
# sheet as rendered, and its piece as JSON, on the clipboard.
type FormBase.TextChara(1) 疾風の
select FormEquip.ComboWeapon(0) 3
writefile Characters/KTC01-01.ktc
click FormAbility.CommandRun
click MDIFormKT.MenuCharaSheetText
click FormTextSheet.MenuOutputCopy
same App.clipboard FormTextSheet.TextSheet.text
click FormTextSheet.MenuCrLfMode(2)
click FormTextSheet.MenuOutputCopy
same App.clipboard FormTextSheet.TextSheet.text
# In the list the selected stored character is the one shown and copied.
click FormTextSheet.MenuMode(0)
expect FormTextSheet.ListC.item(1) ナディア
select FormTextSheet.ListC 1
click FormTextSheet.MenuOutputCopy
same App.clipboard FormTextSheet.TextSheet.text
click FormTextSheet.MenuOutputPiece
expect App.clipboard "{\"data\":{\"commands\":\"2D6+{攻撃力} 命中判定（ソードブレイカー）\\nK{打撃力}[{クリティカル値}]+{追加ダメージ} ダメージ（ソードブレイカー）\\n2D6+{回避力} 回避判定\\nK{防御力}[13]+{ダメージ減少} 防御\\n2D6+{生命力抵抗力} 生命力抵抗\\n2D6+{精神力抵抗力} 精神力抵抗\",\"initiative\":9,\"memo\":\"「疾風の」ナディア （人間／女／１９歳）\",\"name\":\"「疾風の」ナディア\",\"params\":[{\"label\":\"器用度\",\"value\":\"13\"},{\"label\":\"器用度B\",\"value\":\"2\"},{\"label\":\"敏捷度\",\"value\":\"9\"},{\"label\":\"敏捷度B\",\"value\":\"1\"},{\"label\":\"知力\",\"value\":\"8\"},{\"label\":\"知力B\",\"value\":\"1\"},{\"label\":\"筋力\",\"value\":\"12\"},{\"label\":\"筋力B\",\"value\":\"2\"},{\"label\":\"生命力\",\"value\":\"13\"},{\"label\":\"生命力B\",\"value\":\"2\"},{\"label\":\"精神力\",\"value\":\"12\"},{\"label\":\"精神力B\",\"value\":\"2\"},{\"label\":\"冒険者レベル\",\"value\":\"1\"},{\"label\":\"生命力抵抗力\",\"value\":\"3\"},{\"label\":\"精神力抵抗力\",\"value\":\"3\"},{\"label\":\"攻撃力\",\"value\":\"3\"},{\"label\":\"打撃力\",\"value\":\"1\"},{\"label\":\"追加ダメージ\",\"value\":\"3\"},{\"label\":\"クリティカル値\",\"value\":\"10\"},{\"label\":\"回避力\",\"value\":\"2\"},{\"label\":\"防御力\",\"value\":\"0\"},{\"label\":\"ダメージ減少\",\"value\":\"1\"}],\"status\":[{\"label\":\"生命点\",\"max\":13,\"value\":13},{\"label\":\"精神点\",\"max\":12,\"value\":12}]},\"kind\":\"character\"}"
# Copying the edited character again: its own sheet, not the stored one's.
select FormTextSheet.ListC 0
click FormTextSheet.MenuOutputCopy
same App.clipboard FormTextSheet.TextSheet.text

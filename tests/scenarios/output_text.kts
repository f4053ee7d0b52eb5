#! --seed 5
# "テキストとして保存": the sheet as shown, in the line-break mode shown, in
# UTF-8 (the first file type, and the default) or Shift-JIS (the second).
click MDIFormKT.MenuCharaSheetText
expect FormTextSheet.MenuOutput.caption 出力(&O)
expect FormTextSheet.MenuOutputText.caption テキストとして保存(&T)…
save Characters/default.txt
click FormTextSheet.MenuOutputText
same Files.Characters(default.txt).text FormTextSheet.TextSheet.text
save Characters/utf8.txt 0
click FormTextSheet.MenuOutputText
same Files.Characters(utf8.txt) Files.Characters(default.txt)
save Characters/sjis.txt 1
click FormTextSheet.MenuOutputText
# Decoded from code page 932 it is the sheet (a UTF-8 file would not be).
same Files.Characters(sjis.txt).cp932 FormTextSheet.TextSheet.text
# Every line-break mode reaches the file as rendered.
click FormTextSheet.MenuCrLfMode(0)
save Characters/normal.txt 0
click FormTextSheet.MenuOutputText
same Files.Characters(normal.txt).text FormTextSheet.TextSheet.text
click FormTextSheet.MenuCrLfMode(2)
save Characters/double.txt 1
click FormTextSheet.MenuOutputText
same Files.Characters(double.txt).cp932 FormTextSheet.TextSheet.text
# A saved file over an older one: the new text replaces it.
save Characters/normal.txt 0
click FormTextSheet.MenuOutputText
same Files.Characters(normal.txt).text FormTextSheet.TextSheet.text
expect Files.Characters default.txt|double.txt|normal.txt|sjis.txt|utf8.txt

#! --seed 5
# A write that fails is reported with the file and the reason and leaves no
# file; a cancelled dialog does nothing at all.
click MDIFormKT.MenuCharaSheetText
save /nonexistent-ktcmt/sheet.txt 1
answer ok
click FormTextSheet.MenuOutputText
expect App.msgbox "保存エラー|ファイル(/nonexistent-ktcmt/sheet.txt)を保存できませんでした。\rNo such file or directory|ok|exclamation"
save /nonexistent-ktcmt/sheet.html
answer ok
click FormTextSheet.MenuOutputHtml
expect App.msgbox "保存エラー|ファイル(/nonexistent-ktcmt/sheet.html)を保存できませんでした。\rNo such file or directory|ok|exclamation"
save /nonexistent-ktcmt/sheet.pdf
answer ok
click FormTextSheet.MenuOutputPdf
expect App.msgbox "保存エラー|ファイル(/nonexistent-ktcmt/sheet.pdf)を保存できませんでした。\rNo such file or directory|ok|exclamation"
printer /nonexistent-ktcmt/printed.pdf
answer ok
click FormTextSheet.MenuOutputPrint
expect App.msgbox "印刷エラー|印刷できませんでした。\r/nonexistent-ktcmt/printed.pdf|ok|exclamation"
# A folder is no file to write.
save /tmp 0
answer ok
click FormTextSheet.MenuOutputText
expect App.msgbox "保存エラー|ファイル(/tmp)を保存できませんでした。\rFilename refers to a directory|ok|exclamation"
# Cancelled: no file, no message, the clipboard untouched.
click FormTextSheet.MenuOutputCopy
save cancel
click FormTextSheet.MenuOutputText
save cancel
click FormTextSheet.MenuOutputHtml
save cancel
click FormTextSheet.MenuOutputPdf
printer cancel
click FormTextSheet.MenuOutputPrint
expect Files.Characters ""
same App.clipboard FormTextSheet.TextSheet.text
expect App.beeps 0

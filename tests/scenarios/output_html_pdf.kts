#! --seed 5
# "HTMLとして保存", "PDFとして保存" and "印刷": each writes its file where the
# dialog says; the printer of a script prints into a PDF file.
click MDIFormKT.MenuCharaSheetText
save Characters/sheet.html
click FormTextSheet.MenuOutputHtml
expect Files.Characters(sheet.html).head(15) "<!DOCTYPE html>"
save Characters/sheet.pdf 0
click FormTextSheet.MenuOutputPdf
expect Files.Characters(sheet.pdf).head(5) %PDF-
printer Characters/printed.pdf
click FormTextSheet.MenuOutputPrint
expect Files.Characters(printed.pdf).head(5) %PDF-
# A cancelled print dialog prints nothing.
printer cancel
click FormTextSheet.MenuOutputPrint
expect Files.Characters printed.pdf|sheet.html|sheet.pdf
expect App.msgbox ""

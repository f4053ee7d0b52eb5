# exit-status 2
# A file type the save dialog does not offer is a script error.
click MDIFormKT.MenuCharaSheetText
save Characters/sheet.html 1
click FormTextSheet.MenuOutputHtml

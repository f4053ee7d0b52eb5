# exit-status 2
# Only \" \\ \r \n and \t are escapes inside quotes; any other is malformed.
type FormBase.TextChara(1) "C:\Users"

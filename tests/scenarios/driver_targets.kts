# Targets of every kind answer as the driver contract says.
expect Globals.ProfileLock(0) 0
expect Globals.CrLfMode 1
expect Globals.SheetMode 0
expect Globals.CharacterLoaded 0
expect App.beeps 0
expect Files.Characters ""
expect Files.Characters(KTC01-01.ktc) ""
expect CharaWork.LangName(4,1) ""
expect Chara.CombatValue(1,3) 0
expect FormPort.FilePL.count 0
expect FormPort.ImagePort.picture ""
expect FormPort.TimerPort.enabled 0
expect MDIFormKT.MenuExit.enabled 1
expect MDIFormKT.MenuExit.visible 1
# Values and escapes: quoted arguments may hold blanks and escapes.
expect MDIFormKT.caption "KTCMT -KestrelＲＰＧキャラクター作成支援ツール-"
# The sheet window is created on first reference, hidden, in list mode.
expect FormTextSheet.visible 0
expect FormTextSheet.ListSort.visible 1
expect Globals.SheetMode 0
expect FormTextSheet.caption "CHARACTER SHEET & LIST"
# A person cannot type into a locked box: the driver leaves it alone.
click FormAbility.CommandE(1)
expect FormAbility.TextAdd(0).text +2
type FormAbility.TextAdd(0) 5
expect FormAbility.TextAdd(0).text +2
# Control-array indexes are numbers ("00" is 0); timers are never visible.
expect FormAbility.TextAdd(00).text +2
expect FormPort.TimerPort.visible 0

# いいえ in the exit confirmation leaves everything as it was.
answer no
click MDIFormKT.MenuExit
expect MDIFormKT.visible 1
expect App.beeps 0

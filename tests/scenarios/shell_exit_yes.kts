# exit-status 3
# はい ends the program at once; no further line runs.
answer yes
click MDIFormKT.MenuExit
expect MDIFormKT.visible 0

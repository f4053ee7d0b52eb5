# exit-status 3
# The main window's close box ends the program without any question.
close MDIFormKT
print MDIFormKT.visible

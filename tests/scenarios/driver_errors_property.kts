# exit-status 2
# A property the control kind does not have is a script error.
print MDIFormKT.MenuExit.value

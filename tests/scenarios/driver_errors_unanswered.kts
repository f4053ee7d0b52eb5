# exit-status 1
# A message box with no queued answer stops the script with status 1.
click MDIFormKT.MenuVersion

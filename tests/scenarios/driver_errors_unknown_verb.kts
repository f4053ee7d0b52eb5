# exit-status 2
# A script error stops the script with status 2.
frobnicate MDIFormKT

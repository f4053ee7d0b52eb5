# exit-status 1
# An expect that does not hold stops the script with status 1.
expect MDIFormKT.KTMenuBase.checked 0
expect MDIFormKT.KTMenuBase.checked 1

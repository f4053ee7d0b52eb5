# The two information boxes: OK only, information icon.
answer ok
click MDIFormKT.MenuCopyright
answer ok
click MDIFormKT.MenuVersion
expect MDIFormKT.visible 1

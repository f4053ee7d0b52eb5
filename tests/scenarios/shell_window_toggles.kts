# The window items toggle their windows; a minimized window is restored instead.
click MDIFormKT.KTMenuBase
expect FormBase.visible 0
expect MDIFormKT.KTMenuBase.checked 0

# Shown again it comes back at the top-left corner, not at its arranged place.
click MDIFormKT.KTMenuExp
expect FormExp.visible 0
click MDIFormKT.KTMenuExp
expect FormExp.visible 1
expect FormExp.left 0
expect FormExp.top 0
expect MDIFormKT.KTMenuExp.checked 1
expect MDIFormKT.active FormExp

# A minimized window's item restores it at the corner and keeps the mark.
state FormEquip minimized
expect FormEquip.state minimized
click MDIFormKT.KTMenuEq
expect FormEquip.state normal
expect FormEquip.visible 1
expect FormEquip.left 0
expect FormEquip.top 0
expect FormEquip.width 8760
expect MDIFormKT.KTMenuEq.checked 1

# Hide all, then open all: the two-column arrangement with the profile active.
click MDIFormKT.MenuAllHide
expect FormBase.visible 0
expect FormAbility.visible 0
expect FormExp.visible 0
expect FormEquip.visible 0
expect FormLang.visible 0
expect MDIFormKT.KTMenuBase.checked 0
expect MDIFormKT.KTMenuLang.checked 0
expect FormPort.visible 1
expect Globals.WindowCmd 0
click MDIFormKT.MenuAllOpen
expect FormBase.visible 1
expect FormLang.visible 1
expect MDIFormKT.KTMenuAbi.checked 1
expect FormExp.left 7320
expect FormAbility.top 2400
expect FormEquip.left 6480
expect FormEquip.top 2400
expect FormLang.top 7125
expect MDIFormKT.active FormBase

# A resize in the normal state is undone; a maximized window keeps its size.
state FormExp maximized
expect FormExp.state maximized
state FormExp normal
expect FormExp.width 7920
expect FormExp.height 2400

# The portrait item shows the portrait window at the corner without a mark.
click MDIFormKT.MenuPort
expect FormPort.left 0
expect FormPort.top 0
expect FormPort.visible 1
expect MDIFormKT.MenuPort.checked 0
expect MDIFormKT.active FormPort

# Hiding the active window passes the activation on to the visible one used last.
click MDIFormKT.KTMenuLang
click MDIFormKT.KTMenuLang
expect MDIFormKT.active FormLang
click MDIFormKT.KTMenuLang
expect FormLang.visible 0
expect MDIFormKT.active FormPort
click MDIFormKT.MenuAllHide
expect MDIFormKT.active FormPort

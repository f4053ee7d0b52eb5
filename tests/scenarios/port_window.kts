# The portrait window: its list holds exactly the pictures, a choice shows
# the picture, a click on it removes the portrait, the menu brings it back.
expect FormPort.caption 肖像
expect FormPort.visible 1
expect FormPort.FilePL.count 4
expect FormPort.FilePL.item(0) alpha.bmp
expect FormPort.FilePL.item(1) beta.jpg
expect FormPort.FilePL.item(2) broken.jpg
expect FormPort.FilePL.item(3) Gamma.JPG
expect FormPort.FilePL.index -1
expect FormPort.ImagePort.picture ""
expect FormPort.Label(0).caption "NO PORTRAIT"
expect FormPort.Label(1).caption 165×256
expect FormPort.Label(0).visible 1
expect FormPort.Label(1).visible 1
expect FormPort.ImagePort.left 2760
expect FormPort.ImagePort.width 2535
expect FormPort.ImagePort.height 3855
expect FormPort.width 5535
expect FormPort.height 4500
expect Chara.PortraitFile ""
# The menu gives the list the focus, which chooses no entry.
click MDIFormKT.MenuPort
expect FormPort.FilePL.index -1
expect Chara.PortraitFile ""
expect FormPort.ImagePort.picture ""
# The sheet window's own list shows the same pictures.
expect FormTextSheet.FilePL.count 4
expect FormTextSheet.FilePL.item(0) alpha.bmp
expect FormTextSheet.FilePL.item(3) Gamma.JPG

# Choosing and removing: no prompt for a good picture of either kind.
select FormPort.FilePL 0
expect Chara.PortraitFile alpha.bmp
print FormPort.ImagePort.picture
select FormPort.FilePL 3
expect Chara.PortraitFile Gamma.JPG
select FormPort.FilePL 1
expect Chara.PortraitFile beta.jpg
click FormPort.ImagePort
expect Chara.PortraitFile ""
expect FormPort.ImagePort.picture ""
expect FormPort.Label(0).visible 1
# Removing again does no harm.
click FormPort.ImagePort
expect Chara.PortraitFile ""
# A clicked entry that is already selected is chosen again.
select FormPort.FilePL 1
expect Chara.PortraitFile beta.jpg
click FormPort.ImagePort

# The menu item: top-left, normal, active, and the record's portrait shown.
select FormPort.FilePL 0
click FormPort.ImagePort
state FormPort minimized
click MDIFormKT.MenuPort
expect FormPort.state normal
expect FormPort.left 0
expect FormPort.top 0
expect FormPort.width 5535
expect FormPort.height 4500
expect MDIFormKT.active FormPort
expect FormPort.ImagePort.picture ""
# A hidden window comes back too.
click MDIFormKT.MenuAllHide
click MDIFormKT.MenuPort
expect FormPort.visible 1
expect FormPort.state normal
# The fixed size holds in the normal state only.
state FormPort maximized
state FormPort normal
expect FormPort.width 5535
expect FormPort.height 4500

# A file that is no picture: the unexpected branch, はい goes on without it.
select FormPort.FilePL 0
answer yes
select FormPort.FilePL 2
expect Chara.PortraitFile broken.jpg
# The picture chosen before stays on screen; the menu asks again.
answer yes
click MDIFormKT.MenuPort
expect Chara.PortraitFile broken.jpg
click FormPort.ImagePort
expect FormPort.ImagePort.picture ""
# Clearing the list's selection leaves no portrait.
select FormPort.FilePL 1
select FormPort.FilePL -1
expect Chara.PortraitFile ""
expect FormPort.ImagePort.picture ""

# Closed with its close box, the window comes back from the menu with a
# fresh list and the record's portrait.
select FormPort.FilePL 1
close FormPort
expect FormPort.visible 0
expect Chara.PortraitFile beta.jpg
click MDIFormKT.MenuPort
expect FormPort.visible 1
expect FormPort.FilePL.count 4
expect FormPort.FilePL.index -1
expect Chara.PortraitFile beta.jpg
expect MDIFormKT.active FormPort

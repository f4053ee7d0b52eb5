# The sheet window's portrait box. Needs the character list (rows, the list
# click showing or hiding FilePL, the render calling the portrait first).
# Characters: KTC01-01 has beta.jpg, KTC01-02 a deleted gone.bmp,
# KTC01-03 the unsafe ../outside.bmp (a good picture lies there), KTC01-04 none.
click MDIFormKT.MenuClose
expect FormTextSheet.visible 1
expect FormTextSheet.ListC.count 5
expect FormTextSheet.ListC.index 0
expect FormTextSheet.FilePL.visible 1
expect FormTextSheet.FilePL.count 2
expect FormTextSheet.FilePL.item(0) alpha.bmp
expect FormTextSheet.FilePL.item(1) beta.jpg
expect FormTextSheet.ImagePort.picture ""

# Choosing for the edited character hides the list; a later render keeps it.
select FormTextSheet.FilePL 0
expect Chara.PortraitFile alpha.bmp
expect CharaWork.PortraitFile alpha.bmp
expect FormTextSheet.FilePL.visible 0
click FormTextSheet.MenuCrLfMode(2)
expect CharaWork.PortraitFile alpha.bmp
# The edited row again: it has a portrait, so the list stays hidden.
select FormTextSheet.ListC 0
expect FormTextSheet.FilePL.visible 0
# A click on the picture removes it and brings the list back.
click FormTextSheet.ImagePort
expect Chara.PortraitFile ""
expect CharaWork.PortraitFile ""
expect FormTextSheet.ImagePort.picture ""
expect FormTextSheet.FilePL.visible 1
click FormTextSheet.MenuCrLfMode(0)
expect FormTextSheet.ImagePort.picture ""

# A stored character's portrait is shown, its list hidden, its picture not removable.
select FormTextSheet.ListC 1
expect CharaWork.PortraitFile beta.jpg
expect FormTextSheet.FilePL.visible 0
print FormTextSheet.ImagePort.picture
click FormTextSheet.ImagePort
expect CharaWork.PortraitFile beta.jpg
expect Chara.PortraitFile ""
expect FormTextSheet.FilePL.visible 0

# A stored character whose picture was deleted: はい retries, いいえ gives up;
# the working copy forgets the name and the previous character's picture goes.
answer yes no
select FormTextSheet.ListC 2
expect CharaWork.PortraitFile ""
expect FormTextSheet.ImagePort.picture ""
expect FormTextSheet.FilePL.visible 0
# Rendering the same sheet again asks nothing more.
click FormTextSheet.MenuCrLfMode(1)
expect CharaWork.PortraitFile ""

# The unsafe name is a missing picture: one prompt, nothing shown.
answer no
select FormTextSheet.ListC 3
expect CharaWork.PortraitFile ""
expect FormTextSheet.ImagePort.picture ""

# A stored character without a portrait: no prompt, an empty area, no list.
select FormTextSheet.ListC 4
expect FormTextSheet.ImagePort.picture ""
expect FormTextSheet.FilePL.visible 0

# "呼出" makes the stored portrait the edited one; the portrait window shows it.
select FormTextSheet.ListC 1
click FormTextSheet.CommandC
expect Chara.PortraitFile beta.jpg
expect FormTextSheet.FilePL.visible 0
click FormTextSheet.MenuClose
click MDIFormKT.MenuPort
expect Chara.PortraitFile beta.jpg
print FormPort.ImagePort.picture

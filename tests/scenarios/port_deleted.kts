# exit-status 3
# A stored portrait whose file is gone: the menu prompts; はい tries again,
# いいえ gives up, leaving the picture area and the name in the record alone.
readfile records/gone.ktc
expect CharaWork.PortraitFile gone.bmp
copy CharaWork Chara
answer yes no
click MDIFormKT.MenuPort
expect Chara.PortraitFile gone.bmp
expect FormPort.ImagePort.picture ""
expect FormPort.visible 1
# A picture on screen stays there when the next one is given up.
select FormPort.FilePL 0
expect Chara.PortraitFile alpha.bmp
readfile records/gone.ktc
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect Chara.PortraitFile gone.bmp
print FormPort.ImagePort.picture
# The portrait window shows nothing by itself when a character is loaded:
# only the menu refreshes it.
readfile records/broken.ktc
copy CharaWork Chara
expect Chara.PortraitFile broken.jpg
# A file that is no picture: いいえ in the unexpected branch ends the program
# (a prompt more or fewer above would have shifted this answer).
answer no
click MDIFormKT.MenuPort
expect Chara.PortraitFile never-reached

# exit-status 3
# Names from character files that point out of the portrait folder are
# pictures that are not there: each prompts "not found" and nothing outside
# the folder is shown, though Characters/outside.bmp and
# Portraits/sub.jpg/inner.bmp are good pictures.
expect FormPort.FilePL.count 2
expect FormPort.FilePL.item(0) alpha.bmp
expect FormPort.FilePL.item(1) broken.jpg
readfile records/up_slash.ktc
expect CharaWork.PortraitFile ../outside.bmp
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect FormPort.ImagePort.picture ""
expect Chara.PortraitFile ../outside.bmp
readfile records/up_backslash.ktc
expect CharaWork.PortraitFile ..\\outside.bmp
copy CharaWork Chara
# はい retries: the name is still refused, so it asks again.
answer yes no
click MDIFormKT.MenuPort
expect FormPort.ImagePort.picture ""
readfile records/subfolder.ktc
expect CharaWork.PortraitFile sub.jpg/inner.bmp
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect FormPort.ImagePort.picture ""
readfile records/drive.ktc
expect CharaWork.PortraitFile C:outside.bmp
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect FormPort.ImagePort.picture ""
readfile records/dots.ktc
expect CharaWork.PortraitFile ..
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect FormPort.ImagePort.picture ""
# Exactly one prompt per refused name above: the next answer ends the program.
readfile records/broken.ktc
copy CharaWork Chara
answer no
click MDIFormKT.MenuPort
expect Chara.PortraitFile never-reached

# The 100-file limit: 保存 is possible up to the 100th file, then off;
# 上書 of a listed file stays possible, a new file through 上書 is refused.
type FormBase.TextChara(0) エディ
writefile Characters/KTC01-01.ktc
writefile Characters/KTC01-02.ktc
writefile Characters/KTC01-03.ktc
writefile Characters/KTC01-04.ktc
writefile Characters/KTC01-05.ktc
writefile Characters/KTC01-06.ktc
writefile Characters/KTC01-07.ktc
writefile Characters/KTC01-08.ktc
writefile Characters/KTC01-09.ktc
writefile Characters/KTC01-10.ktc
writefile Characters/KTC01-11.ktc
writefile Characters/KTC01-12.ktc
writefile Characters/KTC01-13.ktc
writefile Characters/KTC01-14.ktc
writefile Characters/KTC01-15.ktc
writefile Characters/KTC01-16.ktc
writefile Characters/KTC01-17.ktc
writefile Characters/KTC01-18.ktc
writefile Characters/KTC01-19.ktc
writefile Characters/KTC01-20.ktc
writefile Characters/KTC01-21.ktc
writefile Characters/KTC01-22.ktc
writefile Characters/KTC01-23.ktc
writefile Characters/KTC01-24.ktc
writefile Characters/KTC01-25.ktc
writefile Characters/KTC01-26.ktc
writefile Characters/KTC01-27.ktc
writefile Characters/KTC01-28.ktc
writefile Characters/KTC01-29.ktc
writefile Characters/KTC01-30.ktc
writefile Characters/KTC01-31.ktc
writefile Characters/KTC01-32.ktc
writefile Characters/KTC01-33.ktc
writefile Characters/KTC01-34.ktc
writefile Characters/KTC01-35.ktc
writefile Characters/KTC01-36.ktc
writefile Characters/KTC01-37.ktc
writefile Characters/KTC01-38.ktc
writefile Characters/KTC01-39.ktc
writefile Characters/KTC01-40.ktc
writefile Characters/KTC01-41.ktc
writefile Characters/KTC01-42.ktc
writefile Characters/KTC01-43.ktc
writefile Characters/KTC01-44.ktc
writefile Characters/KTC01-45.ktc
writefile Characters/KTC01-46.ktc
writefile Characters/KTC01-47.ktc
writefile Characters/KTC01-48.ktc
writefile Characters/KTC01-49.ktc
writefile Characters/KTC01-50.ktc
writefile Characters/KTC01-51.ktc
writefile Characters/KTC01-52.ktc
writefile Characters/KTC01-53.ktc
writefile Characters/KTC01-54.ktc
writefile Characters/KTC01-55.ktc
writefile Characters/KTC01-56.ktc
writefile Characters/KTC01-57.ktc
writefile Characters/KTC01-58.ktc
writefile Characters/KTC01-59.ktc
writefile Characters/KTC01-60.ktc
writefile Characters/KTC01-61.ktc
writefile Characters/KTC01-62.ktc
writefile Characters/KTC01-63.ktc
writefile Characters/KTC01-64.ktc
writefile Characters/KTC01-65.ktc
writefile Characters/KTC01-66.ktc
writefile Characters/KTC01-67.ktc
writefile Characters/KTC01-68.ktc
writefile Characters/KTC01-69.ktc
writefile Characters/KTC01-70.ktc
writefile Characters/KTC01-71.ktc
writefile Characters/KTC01-72.ktc
writefile Characters/KTC01-73.ktc
writefile Characters/KTC01-74.ktc
writefile Characters/KTC01-75.ktc
writefile Characters/KTC01-76.ktc
writefile Characters/KTC01-77.ktc
writefile Characters/KTC01-78.ktc
writefile Characters/KTC01-79.ktc
writefile Characters/KTC01-80.ktc
writefile Characters/KTC01-81.ktc
writefile Characters/KTC01-82.ktc
writefile Characters/KTC01-83.ktc
writefile Characters/KTC01-84.ktc
writefile Characters/KTC01-85.ktc
writefile Characters/KTC01-86.ktc
writefile Characters/KTC01-87.ktc
writefile Characters/KTC01-88.ktc
writefile Characters/KTC01-89.ktc
writefile Characters/KTC01-90.ktc
writefile Characters/KTC01-91.ktc
writefile Characters/KTC01-92.ktc
writefile Characters/KTC01-93.ktc
writefile Characters/KTC01-94.ktc
writefile Characters/KTC01-95.ktc
writefile Characters/KTC01-96.ktc
writefile Characters/KTC01-97.ktc
writefile Characters/KTC01-98.ktc
writefile Characters/KTC01-99.ktc
click MDIFormKT.MenuCharaList
expect FormTextSheet.ListC.count 100
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandC.enabled 1
click FormTextSheet.CommandC
expect FormTextSheet.ListC.count 101
expect FormTextSheet.FileCL.item(99) KTC01-a100.ktc
expect Chara.CharaNo 100
expect FormTextSheet.CommandC.caption 保存
expect FormTextSheet.CommandC.enabled 0
click FormTextSheet.CommandC
expect FormTextSheet.FileCL.count 100
# Overwriting file 100 still works.
type FormBase.TextChara(1) 百番目
click FormTextSheet.CommandW
readfile Characters/KTC01-a100.ktc
expect CharaWork.CommonName 百番目
expect CharaWork.CharaNo 100
# A number beyond the files would make a 101st file: refused with a beep.
type FormBase.TextID 150
key FormBase.TextID enter
click FormTextSheet.CommandW
expect App.beeps 1
expect FormTextSheet.FileCL.count 100
expect Chara.CharaNo 150
# A file row still loads, and after a delete saving is possible again.
select FormTextSheet.ListC 5
expect FormTextSheet.CommandC.caption 呼出
expect FormTextSheet.CommandC.enabled 1
answer yes
click FormTextSheet.CommandD
expect FormTextSheet.FileCL.count 99
expect FormTextSheet.FileCL.item(98) KTC01-99.ktc
expect FormTextSheet.CommandC.enabled 1

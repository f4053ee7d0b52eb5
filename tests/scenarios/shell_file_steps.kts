# Writing and reading character files through the driver's file steps.
writefile Characters/KTC01-01.ktc
expect Files.Characters KTC01-01.ktc
readfile Characters/KTC01-01.ktc
expect CharaWork.WeaponStr(1) -1
copy Chara CharaWork
# A missing file: いいえ skips the open, the read then reports code 52 and
# はい there goes on; the working copy is left cleared, nothing is created.
answer no yes
readfile Characters/KTC01-09.ktc
expect Files.Characters KTC01-01.ktc
expect CharaWork.Name ""
# はい to the not-found prompt tries again; いいえ the second time skips.
answer yes no yes
readfile Characters/KTC01-09.ktc
expect Files.Characters KTC01-01.ktc

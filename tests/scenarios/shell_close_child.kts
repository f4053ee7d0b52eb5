# A child window closed with its close box loses its mark and is created anew.
copy Chara CharaWork
close FormBase
expect MDIFormKT.KTMenuBase.checked 0
click MDIFormKT.KTMenuBase
expect MDIFormKT.KTMenuBase.checked 1
expect FormBase.visible 1
expect FormBase.left 0
# The new profile window ran its load handling again.
expect Chara.Name サンプル
expect Chara.God 0
expect FormBase.TextID.text 0

close FormExp
expect MDIFormKT.KTMenuExp.checked 0
click MDIFormKT.MenuAllOpen
expect MDIFormKT.KTMenuExp.checked 1
expect FormExp.left 7320
expect FormExp.visible 1

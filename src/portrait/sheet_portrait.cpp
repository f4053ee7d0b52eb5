// The sheet window's portrait box.
#include "sheet/form_text_sheet.h"

#include "shell/controls.h"

void FormTextSheet::FilePL_Click()
{
}

void FormTextSheet::ImagePort_Click()
{
}

void FormTextSheet::ShowSheetPortrait()
{
}

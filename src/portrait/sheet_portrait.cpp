// The sheet window's portrait box: the file list that chooses the edited
// character's portrait, and the picture of the character on the sheet.
#include "sheet/form_text_sheet.h"

#include "portrait/form_port.h"
#include "portrait/portrait_rules.h"
#include "shell/controls.h"
#include "shell/globals.h"

namespace {
// True when the character list's selected row is the character being edited.
bool EditedRowSelected(const KList *list)
{
    const int row = list->listIndex();
    return row >= 0 && list->rowData(row) == 0;
}
}

void FormTextSheet::FilePL_Click()
{
    // The portrait always goes to the character being edited, whichever row is shown.
    const QString name = FilePL->fileName();
    Chara.PortraitFile = name;
    // While the sheet shows that character, its copy keeps the same portrait,
    // so the next render of the sheet does not undo the choice.
    if (EditedRowSelected(ListC))
        CharaWork.PortraitFile = name;
    if (name.isEmpty()) {
        ImagePort->clearPicture();
        return;
    }
    ShowPortraitFile(ImagePort, FilePL->path(), name);
    FilePL->hide();
}

void FormTextSheet::ImagePort_Click()
{
    // A stored character's picture is only shown here, never changed.
    if (!EditedRowSelected(ListC))
        return;
    Chara.PortraitFile.clear();
    CharaWork.PortraitFile.clear();
    ImagePort->clearPicture();
    FilePL->show();
    FilePL->raise();
}

void FormTextSheet::ShowSheetPortrait()
{
    // The list shares the picture's place and must lie on top whenever it is shown.
    FilePL->raise();
    if (CharaWork.PortraitFile.isEmpty()) {
        ImagePort->clearPicture();
        return;
    }
    const QString promptPath = PortraitPath(FilePL->path(), CharaWork.PortraitFile);
    if (!ShowPortraitFile(ImagePort, PortraitFolder(), CharaWork.PortraitFile, promptPath)) {
        // Given up: this sheet shows no portrait and asks no more until the
        // character is read again; a previous character's picture must not stay.
        CharaWork.PortraitFile.clear();
        ImagePort->clearPicture();
    }
}

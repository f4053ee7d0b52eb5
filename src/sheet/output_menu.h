// The sheet window's "出力(&O)" menu: the shown character (CharaWork) saved
// as text, HTML or PDF, printed, or copied as sheet text or as a piece for
// browser game boards.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class FormTextSheet;
class QPrinter;

// What the save dialog answered: the path and the index of the chosen file
// type among the filters offered.
struct SaveChoice {
    QString path;
    int filter = 0;
};

struct OutputHooks {
    // Each hook replaces the desktop dialog when set, so the driver and the
    // tests can answer it. saveDialog: nothing when cancelled.
    std::function<std::optional<SaveChoice>(const QString &title, const QString &suggestedPath,
                                            const QStringList &filters)>
        saveDialog;
    // printDialog: false when cancelled; may set up the printer.
    std::function<bool(QPrinter &printer)> printDialog;
};
OutputHooks &outputHooks();

// Appends the menu to w's menu bar (menu MenuOutput, items MenuOutputText,
// MenuOutputHtml, MenuOutputPdf, MenuOutputPrint, MenuOutputCopy,
// MenuOutputPiece).
void AddOutputMenu(FormTextSheet *w);

// The items' handlers.
void MenuOutputText_Click(FormTextSheet *w);
void MenuOutputHtml_Click(FormTextSheet *w);
void MenuOutputPdf_Click(FormTextSheet *w);
void MenuOutputPrint_Click(FormTextSheet *w);
void MenuOutputCopy_Click();
void MenuOutputPiece_Click();

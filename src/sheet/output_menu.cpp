#include "sheet/output_menu.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include "portrait/portrait_rules.h"
#include "shell/chara_record.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/ui_seam.h"
#include "sheet/form_text_sheet.h"
#include "sheet/sheet_export.h"
#include "sheet/sheet_text.h"

namespace {

// The sheet of the shown character, exactly as the window renders it.
QString CurrentSheet() { return SheetText(CharaWork, SheetMode, CrLfMode); }

QImage CurrentPortrait() { return SheetPortrait(CharaWork, PortraitFolder()); }

// Run by the scripted driver (it answers the message boxes) with nobody to
// answer a dialog it has not been given a hook for: cancelled, not waiting.
bool Headless() { return bool(uiHooks().message); }

// The folder the last save went to, for the next dialog.
QString &LastFolder()
{
    static QString folder;
    return folder;
}

std::optional<SaveChoice> AskSavePath(FormTextSheet *w, const QString &title, const QString &suffix,
                                      const QStringList &filters)
{
    QString folder = LastFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder).filePath(ExportBaseName(CharaWork) + QLatin1Char('.') + suffix);
    std::optional<SaveChoice> choice;
    if (outputHooks().saveDialog) {
        choice = outputHooks().saveDialog(title, suggested, filters);
    } else if (Headless()) {
        return std::nullopt;
    } else {
        QFileDialog dlg(w, title, suggested);
        dlg.setAcceptMode(QFileDialog::AcceptSave);
        dlg.setNameFilters(filters);
        dlg.setDefaultSuffix(suffix);
        dlg.selectFile(suggested);
        if (dlg.exec() == QDialog::Accepted && !dlg.selectedFiles().isEmpty())
            choice = SaveChoice{dlg.selectedFiles().constFirst(), int(filters.indexOf(dlg.selectedNameFilter()))};
    }
    if (!choice || choice->path.isEmpty())
        return std::nullopt;
    choice->filter = std::max(0, choice->filter);
    LastFolder() = QFileInfo(choice->path).absolutePath();
    return choice;
}

void ReportFailure(const QString &path, const QString &reason)
{
    ShowMessage(QStringLiteral("保存エラー"),
                QStringLiteral("ファイル(") + QDir::toNativeSeparators(path) + QStringLiteral(")を保存できませんでした。\r") +
                    reason,
                MsgButtons::Ok, MsgIcon::Exclamation);
}

void Save(const QString &path, const QByteArray &bytes)
{
    QString error;
    if (!SaveFileAtomically(path, bytes, &error))
        ReportFailure(path, error);
}

} // namespace

OutputHooks &outputHooks()
{
    static OutputHooks hooks;
    return hooks;
}

void MenuOutputText_Click(FormTextSheet *w)
{
    const auto choice = AskSavePath(w, QStringLiteral("テキストとして保存"), QStringLiteral("txt"),
                                    {QStringLiteral("テキスト UTF-8 (*.txt)"),
                                     QStringLiteral("テキスト Shift-JIS (*.txt)")});
    if (!choice)
        return;
    Save(choice->path, SheetTextBytes(CurrentSheet(), choice->filter == 1 ? TextEncoding::Cp932 : TextEncoding::Utf8));
}

void MenuOutputHtml_Click(FormTextSheet *w)
{
    const auto choice =
        AskSavePath(w, QStringLiteral("HTMLとして保存"), QStringLiteral("html"), {QStringLiteral("HTML (*.html *.htm)")});
    if (!choice)
        return;
    Save(choice->path, SheetHtml(CharaWork, CurrentSheet(), PortraitFolder()));
}

void MenuOutputPdf_Click(FormTextSheet *w)
{
    const auto choice =
        AskSavePath(w, QStringLiteral("PDFとして保存"), QStringLiteral("pdf"), {QStringLiteral("PDF (*.pdf)")});
    if (!choice)
        return;
    Save(choice->path, SheetPdf(CurrentSheet(), CurrentPortrait(), DocumentTitle(CharaWork)));
}

void MenuOutputPrint_Click(FormTextSheet *w)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    printer.setDocName(DocumentTitle(CharaWork));
    bool accepted = false;
    if (outputHooks().printDialog) {
        accepted = outputHooks().printDialog(printer);
    } else if (Headless()) {
        return;
    } else {
        QPrintDialog dlg(&printer, w);
        dlg.setWindowTitle(QStringLiteral("印刷"));
        accepted = dlg.exec() == QDialog::Accepted;
    }
    if (!accepted)
        return;
    if (PaintSheet(&printer, CurrentSheet(), CurrentPortrait()) == 0) {
        // Printing into a file names the file, else the printer.
        const QString where = printer.outputFileName().isEmpty() ? printer.printerName()
                                                                 : QDir::toNativeSeparators(printer.outputFileName());
        ShowMessage(QStringLiteral("印刷エラー"), QStringLiteral("印刷できませんでした。\r") + where, MsgButtons::Ok,
                    MsgIcon::Exclamation);
    }
}

void MenuOutputCopy_Click() { QGuiApplication::clipboard()->setText(CurrentSheet()); }

void MenuOutputPiece_Click() { QGuiApplication::clipboard()->setText(PieceText(CharaWork)); }

void AddOutputMenu(FormTextSheet *w)
{
    QMenu *menu = w->menuBar()->addMenu(QStringLiteral("出力(&O)"));
    menu->menuAction()->setObjectName(QStringLiteral("MenuOutput"));
    OnMenuClick(MakeMenuItem(menu, QStringLiteral("MenuOutputText"), QStringLiteral("テキストとして保存(&T)…")),
                [w] { MenuOutputText_Click(w); });
    OnMenuClick(MakeMenuItem(menu, QStringLiteral("MenuOutputHtml"), QStringLiteral("HTMLとして保存(&H)…")),
                [w] { MenuOutputHtml_Click(w); });
    OnMenuClick(MakeMenuItem(menu, QStringLiteral("MenuOutputPdf"), QStringLiteral("PDFとして保存(&P)…")),
                [w] { MenuOutputPdf_Click(w); });
    MakeSeparator(menu, QStringLiteral("MenuOutputBar1"));
    OnMenuClick(MakeMenuItem(menu, QStringLiteral("MenuOutputPrint"), QStringLiteral("印刷(&R)…")),
                [w] { MenuOutputPrint_Click(w); });
    MakeSeparator(menu, QStringLiteral("MenuOutputBar2"));
    OnMenuClick(MakeMenuItem(menu, QStringLiteral("MenuOutputCopy"), QStringLiteral("シートをコピー(&C)")),
                [] { MenuOutputCopy_Click(); });
    OnMenuClick(
        MakeMenuItem(menu, QStringLiteral("MenuOutputPiece"), QStringLiteral("オンラインセッション用の駒をコピー(&K)")),
        [] { MenuOutputPiece_Click(); });
}

// Outputs of a character beyond the sheet text box: text and HTML files, a
// printed or PDF page, and the piece with its chat palette for browser game
// boards. Plain functions of a record; nothing here touches a window.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QList>
#include <QString>

struct CharaRecord;
class QPagedPaintDevice;

enum class TextEncoding { Utf8, Cp932 };

// ---------------------------------------------------------------- piece

struct PieceParam {
    QString label;
    QString value;
};

// The figures of the piece, in order: the six abilities and their bonuses
// ("器用度", "器用度B", ...), 冒険者レベル, the two resistances, per weapon
// held 攻撃力, 打撃力, 追加ダメージ, クリティカル値 (with "（右）"/"（左）" after
// the label when two weapons are held), 回避力, 防御力, ダメージ減少, and 魔力
// per magic skill (with the kind of magic in "（）" when there are several).
QList<PieceParam> PieceParams(const CharaRecord &rec);
// The chat palette, one command per line ("\n"), referring to the params by
// "{label}".
QString ChatPalette(const CharaRecord &rec);
// {"kind":"character","data":{name, initiative, memo, status, params, commands}}.
QJsonObject PieceJson(const CharaRecord &rec);
// The piece as the compact JSON text that goes to the clipboard.
QString PieceText(const CharaRecord &rec);

// ---------------------------------------------------------------- text

// The sheet text as file bytes: every line end CR LF, no byte-order mark;
// code page 932 through the character files' conversion (a character it
// cannot hold becomes "?").
QByteArray SheetTextBytes(const QString &sheetText, TextEncoding encoding);

// ---------------------------------------------------------------- pictures

// The portrait picture of rec in portraitFolder, loaded as the portrait
// window loads it (an unsafe name or a file that is no regular picture gives
// none, and nothing blocks); null when there is none. No prompt is shown.
QImage SheetPortrait(const CharaRecord &rec, const QString &portraitFolder);

// ---------------------------------------------------------------- HTML

// One self-contained UTF-8 page: the portrait of rec in portraitFolder (when
// there is a readable one) as a data URL, the sheet in a fixed-pitch Japanese
// font, a print style sheet.
QByteArray SheetHtml(const CharaRecord &rec, const QString &sheetText, const QString &portraitFolder);

// ---------------------------------------------------------------- PDF and print

// Paints the sheet on the pages of device: the portrait at the top left of the
// first page, the text below it in IPA Gothic, further pages when it is long.
// Returns the number of pages.
// The text is made smaller when its widest line would not fit the page.
int PaintSheet(QPagedPaintDevice *device, const QString &sheetText, const QImage &portrait);
// The PDF document of the sheet on A4 (title: the document's title).
QByteArray SheetPdf(const QString &sheetText, const QImage &portrait, const QString &title);

// ---------------------------------------------------------------- files

// Writes bytes to path through a temporary file renamed into place, so a
// failure never leaves a half-written file. On failure returns false and a
// reason in *error.
bool SaveFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

// The suggested file name of a saved output: the character's name (or
// "character"), with characters that file names cannot hold replaced.
QString ExportBaseName(const CharaRecord &rec);
// The title of a page or document of rec: "名前 - キャラクターシート", or
// "キャラクターシート" for a character without a name.
QString DocumentTitle(const CharaRecord &rec);

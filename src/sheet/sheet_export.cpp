#include "sheet/sheet_export.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageReader>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <limits>
#include "abilities/ability_rules.h"
#include "abilities/race_tables.h"
#include "portrait/portrait_rules.h"
#include "shell/chara_record.h"
#include "shell/cp932.h"
#include "shell/numtext.h"
#include "sheet/sheet_text.h"

namespace {

QString Num(long long v) { return QString::number(v); }

// A Single as JSON number: the double of its shortest text, so 9.5 stays 9.5
// and 9.1 does not become 9.100000381.
QJsonValue JsonNumber(float v)
{
    const double d = NumText(v).toDouble();
    return std::isfinite(d) ? QJsonValue(d) : QJsonValue(0);
}

// Every line break, whatever it was, as "\n".
QString ToLf(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

bool TwoWeapons(const CharaRecord &rec) { return rec.ShieldStr == -1; }

// A param label, qualified when the figure exists more than once.
QString Qualified(const QString &label, const QString &qualifier)
{
    return qualifier.isEmpty() ? label : label + QStringLiteral("（") + qualifier + QStringLiteral("）");
}

QString SlotQualifier(const CharaRecord &rec, int slot)
{
    if (!TwoWeapons(rec))
        return QString();
    return slot == 0 ? QStringLiteral("右") : QStringLiteral("左");
}

QString MagicQualifier(const CharaRecord &rec, int skill)
{
    return MagicSkills(rec).size() > 1 ? MagicKind(skill, rec.God) : QString();
}

QString Ref(const QString &label) { return QLatin1Char('{') + label + QLatin1Char('}'); }

// " （武器名）" after a weapon's command, nothing for a slot without a name.
QString WeaponNote(const CharaRecord &rec, int slot)
{
    const QString &name = rec.WeaponName[size_t(slot)];
    return name.isEmpty() ? QString() : QStringLiteral("（") + name + QStringLiteral("）");
}

} // namespace

// ---------------------------------------------------------------- piece

QList<PieceParam> PieceParams(const CharaRecord &rec)
{
    QList<PieceParam> params;
    for (int i = 0; i < 6; ++i) {
        params.append({AbilityNames[size_t(i)], NumText(rec.Ability[size_t(i)])});
        params.append({AbilityNames[size_t(i)] + QLatin1Char('B'), Num(AbilityBonus(rec.Ability[size_t(i)]))});
    }
    params.append({QStringLiteral("冒険者レベル"), Num(rec.AdventurerLevel)});
    params.append({QStringLiteral("生命力抵抗力"), Num(LifeResistance(rec))});
    params.append({QStringLiteral("精神力抵抗力"), Num(SpiritResistance(rec))});
    for (int slot = 0; slot < (TwoWeapons(rec) ? 2 : 1); ++slot) {
        const QString q = SlotQualifier(rec, slot);
        params.append({Qualified(QStringLiteral("攻撃力"), q), Num(rec.CombatValue(slot, 0))});
        params.append({Qualified(QStringLiteral("打撃力"), q), Num(rec.CombatValue(slot, 1))});
        params.append({Qualified(QStringLiteral("追加ダメージ"), q), Num(rec.CombatValue(slot, 2))});
        params.append({Qualified(QStringLiteral("クリティカル値"), q), Num(rec.CombatValue(slot, 3))});
    }
    params.append({QStringLiteral("回避力"), Num(rec.DefenseValue[0])});
    params.append({QStringLiteral("防御力"), Num(rec.DefenseValue[1])});
    params.append({QStringLiteral("ダメージ減少"), Num(rec.DefenseValue[2])});
    for (int k : MagicSkills(rec))
        params.append({Qualified(QStringLiteral("魔力"), MagicQualifier(rec, k)), Num(MagicPower(rec, k))});
    return params;
}

QString ChatPalette(const CharaRecord &rec)
{
    QStringList lines;
    const int slots = TwoWeapons(rec) ? 2 : 1;
    for (int slot = 0; slot < slots; ++slot) {
        const QString q = SlotQualifier(rec, slot);
        lines.append(QStringLiteral("2D6+") + Ref(Qualified(QStringLiteral("攻撃力"), q)) +
                     QStringLiteral(" 命中判定") + WeaponNote(rec, slot));
    }
    for (int slot = 0; slot < slots; ++slot) {
        const QString q = SlotQualifier(rec, slot);
        lines.append(QLatin1Char('K') + Ref(Qualified(QStringLiteral("打撃力"), q)) + QLatin1Char('[') +
                     Ref(Qualified(QStringLiteral("クリティカル値"), q)) + QStringLiteral("]+") +
                     Ref(Qualified(QStringLiteral("追加ダメージ"), q)) + QStringLiteral(" ダメージ") +
                     WeaponNote(rec, slot));
    }
    lines.append(QStringLiteral("2D6+{回避力} 回避判定"));
    lines.append(QStringLiteral("K{防御力}[13]+{ダメージ減少} 防御"));
    lines.append(QStringLiteral("2D6+{生命力抵抗力} 生命力抵抗"));
    lines.append(QStringLiteral("2D6+{精神力抵抗力} 精神力抵抗"));
    for (int k : MagicSkills(rec)) {
        lines.append(QStringLiteral("2D6+") + Ref(Qualified(QStringLiteral("魔力"), MagicQualifier(rec, k))) +
                     QStringLiteral(" 魔法行使（") + MagicKind(k, rec.God) + QStringLiteral("）"));
    }
    return lines.join(QLatin1Char('\n'));
}

QJsonObject PieceJson(const CharaRecord &rec)
{
    QJsonObject data;
    data.insert(QStringLiteral("name"), rec.CommonName.isEmpty()
                                            ? rec.Name
                                            : QStringLiteral("「") + rec.CommonName + QStringLiteral("」") + rec.Name);
    data.insert(QStringLiteral("initiative"), JsonNumber(rec.Ability[1]));
    QString memo = SheetIdentityLine(rec);
    if (!rec.Description.isEmpty())
        memo += QLatin1Char('\n') + ToLf(rec.Description);
    data.insert(QStringLiteral("memo"), memo);

    QJsonArray status;
    for (auto [label, i] : {std::pair{QStringLiteral("生命点"), 4}, {QStringLiteral("精神点"), 5}}) {
        QJsonObject s;
        s.insert(QStringLiteral("label"), label);
        s.insert(QStringLiteral("value"), JsonNumber(rec.Ability[size_t(i)]));
        s.insert(QStringLiteral("max"), JsonNumber(rec.Ability[size_t(i)]));
        status.append(s);
    }
    data.insert(QStringLiteral("status"), status);

    QJsonArray params;
    for (const PieceParam &p : PieceParams(rec)) {
        QJsonObject o;
        o.insert(QStringLiteral("label"), p.label);
        o.insert(QStringLiteral("value"), p.value);
        params.append(o);
    }
    data.insert(QStringLiteral("params"), params);
    data.insert(QStringLiteral("commands"), ChatPalette(rec));

    QJsonObject piece;
    piece.insert(QStringLiteral("kind"), QStringLiteral("character"));
    piece.insert(QStringLiteral("data"), data);
    return piece;
}

QString PieceText(const CharaRecord &rec)
{
    return QString::fromUtf8(QJsonDocument(PieceJson(rec)).toJson(QJsonDocument::Compact));
}

// ---------------------------------------------------------------- text

QByteArray SheetTextBytes(const QString &sheetText, TextEncoding encoding)
{
    // A description typed with bare line feeds still gives CR LF lines.
    const QString text = ToLf(sheetText).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (encoding == TextEncoding::Cp932)
        return EncodeCP932(text, std::numeric_limits<int>::max());
    return text.toUtf8();
}

// ---------------------------------------------------------------- pictures

QImage SheetPortrait(const CharaRecord &rec, const QString &portraitFolder)
{
    QImage img;
    LoadPortrait(portraitFolder, rec.PortraitFile, img);
    return img;
}

// ---------------------------------------------------------------- HTML

QByteArray SheetHtml(const CharaRecord &rec, const QString &sheetText, const QString &portraitFolder)
{
    QString img;
    QImage portrait;
    QByteArray fileBytes;
    if (LoadPortrait(portraitFolder, rec.PortraitFile, portrait, &fileBytes) == 0) {
        // JPEG stays as it is; anything else (a BMP) goes in as PNG, which
        // every browser shows and which is far smaller.
        QByteArray bytes;
        QString mime;
        QBuffer file(&fileBytes);
        file.open(QIODevice::ReadOnly);
        if (QImageReader::imageFormat(&file) == "jpeg") {
            bytes = fileBytes;
            mime = QStringLiteral("image/jpeg");
        } else {
            QBuffer buf(&bytes);
            buf.open(QIODevice::WriteOnly);
            portrait.save(&buf, "PNG");
            mime = QStringLiteral("image/png");
        }
        img = QStringLiteral("<img class=\"portrait\" alt=\"肖像\" src=\"data:") + mime + QStringLiteral(";base64,") +
              QString::fromLatin1(bytes.toBase64()) + QStringLiteral("\">\n");
    }
    const QString title = DocumentTitle(rec);
    QString html;
    html += QStringLiteral(
        "<!DOCTYPE html>\n"
        "<html lang=\"ja\">\n"
        "<head>\n"
        "<meta charset=\"utf-8\">\n"
        "<title>");
    html += title.toHtmlEscaped();
    html += QStringLiteral(
        "</title>\n"
        "<style>\n"
        "body { margin: 2em; color: #000; background: #fff; }\n"
        "img.portrait { display: block; width: 35mm; height: auto; margin: 0 0 1em 0; }\n"
        "pre.sheet { font-family: \"IPAGothic\", \"IPAゴシック\", \"MS Gothic\", \"ＭＳ ゴシック\", "
        "\"Osaka-Mono\", monospace; font-size: 11pt; line-height: 1.35; white-space: pre; margin: 0; }\n"
        "@media print {\n"
        "  @page { size: A4; margin: 15mm; }\n"
        "  body { margin: 0; }\n"
        "  pre.sheet { font-size: 9.5pt; }\n"
        "}\n"
        "</style>\n"
        "</head>\n"
        "<body>\n");
    html += img;
    html += QStringLiteral("<pre class=\"sheet\">");
    html += ToLf(sheetText).toHtmlEscaped();
    html += QStringLiteral("</pre>\n</body>\n</html>\n");
    return html.toUtf8();
}

// ---------------------------------------------------------------- PDF and print

int PaintSheet(QPagedPaintDevice *device, const QString &sheetText, const QImage &portrait)
{
    QPainter p;
    if (!p.begin(device))
        return 0;
    const double dpmm = device->logicalDpiY() / 25.4;
    const double width = device->width();
    const double height = device->height();

    QFont font(QStringLiteral("IPAGothic"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSizeF(10.0);
    const QStringList lines = ToLf(sheetText).split(QLatin1Char('\n'));
    {
        QFontMetricsF fm(font, device);
        double widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, fm.horizontalAdvance(line));
        if (widest > width)
            font.setPointSizeF(std::max(4.0, 10.0 * width / widest));
    }
    p.setFont(font);
    const QFontMetricsF fm(font, device);

    double y = 0;
    if (!portrait.isNull()) {
        // The sheet window's portrait box, 35 mm wide, keeping the picture's proportions.
        const QSizeF box(35 * dpmm, 35 * dpmm * 3855.0 / 2535.0);
        const QSizeF size = QSizeF(portrait.size()).scaled(box, Qt::KeepAspectRatio);
        p.drawImage(QRectF(QPointF(0, 0), size), portrait);
        y = size.height() + 5 * dpmm;
    }
    int pages = 1;
    const double step = fm.lineSpacing();
    for (const QString &line : lines) {
        if (y + step > height && y > 0) {
            device->newPage();
            ++pages;
            y = 0;
        }
        p.drawText(QPointF(0, y + fm.ascent()), line);
        y += step;
    }
    p.end();
    return pages;
}

QByteArray SheetPdf(const QString &sheetText, const QImage &portrait, const QString &title)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buf);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        pdf.setResolution(300);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("KTCMT"));
        PaintSheet(&pdf, sheetText, portrait);
    }
    return bytes;
}

// ---------------------------------------------------------------- files

bool SaveFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    if (!f.open(QIODevice::WriteOnly)) {
        if (error)
            *error = f.errorString();
        return false;
    }
    if (f.write(bytes) != bytes.size()) {
        if (error)
            *error = f.errorString();
        f.cancelWriting();
        return false;
    }
    if (!f.commit()) {
        if (error)
            *error = f.errorString();
        return false;
    }
    return true;
}

QString DocumentTitle(const CharaRecord &rec)
{
    return rec.Name.isEmpty() ? QStringLiteral("キャラクターシート") : rec.Name + QStringLiteral(" - キャラクターシート");
}

QString ExportBaseName(const CharaRecord &rec)
{
    QString name = rec.Name.trimmed();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("\\/:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("character") : name;
}

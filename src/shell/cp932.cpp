#include "shell/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QtGlobal>
#include <iterator>

namespace {

// Qt hands named encodings to ICU, which knows the code page as "CP932"
// (alias of its Windows-compatible Shift-JIS table). The other names are the
// same table under the aliases other ICU builds are known to carry.
const char *const EncodingNames[] = {"CP932", "windows-31j", "Shift_JIS"};

// Stateless: a field is converted on its own; a stray lead byte at the end of
// one text must never leak into the next one.
constexpr QStringConverter::Flags ConverterFlags = QStringConverter::Flag::Stateless;

QStringEncoder &Encoder()
{
    static QStringEncoder encoder = [] {
        for (const char *name : EncodingNames) {
            QStringEncoder e(name, ConverterFlags);
            if (e.isValid())
                return e;
        }
        qWarning("No code page 932 converter available; texts cannot be stored");
        return QStringEncoder(EncodingNames[0], ConverterFlags);
    }();
    return encoder;
}

QStringDecoder &Decoder()
{
    static QStringDecoder decoder = [] {
        for (const char *name : EncodingNames) {
            QStringDecoder d(name, ConverterFlags);
            if (d.isValid())
                return d;
        }
        qWarning("No code page 932 converter available; texts cannot be read");
        return QStringDecoder(EncodingNames[0], ConverterFlags);
    }();
    return decoder;
}

// The converter writes this pair for a character it cannot map. FC FC is no
// character of the code page, so its absence proves that nothing was lost.
// (Its presence may be a trail byte FC followed by a lead byte FC, which
// only costs the slower path.)
constexpr QByteArrayView Substitution("\xFC\xFC", 2);

// The characters that Windows maps onto the full-width forms of code page 932.
QString WithWindowsForms(const QString &text)
{
    static constexpr char16_t From[] = {u'\u301C', u'\u2212', u'\u2016', u'\u00A2', u'\u00A3', u'\u00AC'};
    static constexpr char16_t To[] = {u'\uFF5E', u'\uFF0D', u'\u2225', u'\uFFE0', u'\uFFE1', u'\uFFE2'};
    QString s = text;
    for (std::size_t k = 0; k < std::size(From); ++k) {
        if (s.contains(QChar(From[k])))
            s.replace(QChar(From[k]), QChar(To[k]));
    }
    return s;
}

// The converter's table moves three control codes around (1A, 1C and 7F,
// after an old mainframe convention); Windows keeps 00-7F one to one. These
// put each of the three where the converter will send it to its own byte.
QChar ToConverterControl(QChar c)
{
    switch (c.unicode()) {
    case 0x1A: return QChar(0x1C);
    case 0x1C: return QChar(0x7F);
    case 0x7F: return QChar(0x1A);
    default: return c;
    }
}

QChar FromConverterControl(QChar c)
{
    switch (c.unicode()) {
    case 0x1C: return QChar(0x1A);
    case 0x7F: return QChar(0x1C);
    case 0x1A: return QChar(0x7F);
    default: return c;
    }
}

bool HasSwappedControl(QStringView s)
{
    for (const QChar c : s) {
        if (c.unicode() == 0x1A || c.unicode() == 0x1C || c.unicode() == 0x7F)
            return true;
    }
    return false;
}

template <class Map>
QString MapControls(QString s, Map map)
{
    if (HasSwappedControl(s)) {
        for (QChar &c : s)
            c = map(c);
    }
    return s;
}

// One character at a time, so that only the unmappable ones become "?".
QByteArray EncodeEachCharacter(QStringView s)
{
    QByteArray out;
    out.reserve(s.size() * 2);
    for (qsizetype i = 0; i < s.size();) {
        qsizetype n = 1;
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            n = 2;
        const QStringView ch = s.mid(i, n);
        i += n;
        if (ch.size() == 1 && ch[0].isSurrogate()) {
            out += '?';
            continue;
        }
        const QByteArray bytes = Encoder().encode(ch);
        if (bytes.isEmpty() || bytes == Substitution)
            out += '?';
        else
            out += bytes;
    }
    return out;
}

bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// The length of the longest run of whole characters from the start that
// fits in limit bytes. A trail byte can look like a lead byte, so the
// boundaries are found by walking from the start.
qsizetype WholeCharactersLength(const QByteArray &bytes, qsizetype limit)
{
    qsizetype pos = 0;
    while (pos < bytes.size()) {
        const qsizetype width = IsLeadByte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1;
        if (pos + width > limit)
            break;
        pos += width;
    }
    return pos;
}

} // namespace

QByteArray EncodeCP932(const QString &text, int maxBytes)
{
    const QString s = MapControls(WithWindowsForms(text), ToConverterControl);
    QByteArray out = Encoder().encode(s);
    // The converter drops some invisible characters without a trace; reading
    // the bytes back shows whether every character arrived.
    if (out.contains(Substitution) || Decoder().decode(out) != s)
        out = EncodeEachCharacter(s);
    const qsizetype limit = qMax(0, maxBytes);
    if (out.size() > limit)
        out.truncate(WholeCharactersLength(out, limit));
    return out;
}

QString DecodeCP932(QByteArrayView bytes)
{
    if (bytes.isEmpty())
        return QString();
    QString s = MapControls(Decoder().decode(bytes), FromConverterControl);
    // Bytes that are no character read as the "?" that saving writes for
    // them: the text shown is the text saved, and a character read, saved
    // and read again is the same character.
    if (s.contains(QChar::ReplacementCharacter))
        s.replace(QChar::ReplacementCharacter, QLatin1Char('?'));
    return s;
}

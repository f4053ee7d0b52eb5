#include "shell/numtext.h"

#include <charconv>
#include <cmath>

QString NumText(float v)
{
    if (v == 0.0f)
        return QStringLiteral("0"); // no "-0"
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    if (res.ec != std::errc())
        return QString::number(double(v));
    return QString::fromLatin1(buf, int(res.ptr - buf));
}

double LeadingNumber(const QString &text)
{
    int i = 0;
    const int n = int(text.size());
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    QString num;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+')))
        num += text[i++];
    bool digits = false, point = false;
    while (i < n) {
        const QChar c = text[i];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits = true;
            num += c;
        } else if (c == QLatin1Char('.') && !point) {
            point = true;
            num += c;
        } else {
            break;
        }
        ++i;
    }
    if (!digits)
        return 0.0;
    // An exponent continues the number only when digits follow it.
    if (i + 1 < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        int j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (text[j] == QLatin1Char('-') || text[j] == QLatin1Char('+')))
            exp += text[j++];
        bool expDigits = false;
        while (j < n && text[j] >= QLatin1Char('0') && text[j] <= QLatin1Char('9')) {
            exp += text[j++];
            expDigits = true;
        }
        if (expDigits)
            num += exp;
    }
    const QByteArray latin = num.toLatin1();
    const char *first = latin.constData();
    if (*first == '+')
        ++first;
    double v = 0.0;
    const auto res = std::from_chars(first, latin.constData() + latin.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large is infinite (refused by range checks); too small is zero.
        const bool tiny = latin.contains("e-");
        if (tiny)
            return 0.0;
        return latin.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
    }
    return res.ec == std::errc() ? v : 0.0;
}

bool RoundToRange(double v, long long lo, long long hi, long long &out)
{
    if (!std::isfinite(v))
        return false;
    const double r = std::round(v); // halves away from zero
    if (r < double(lo) || r > double(hi))
        return false;
    out = static_cast<long long>(r);
    return true;
}

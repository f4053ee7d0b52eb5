// The deity, language and song lists of the languages window.
#pragma once

#include <QString>
#include <array>

inline const std::array<QString, 14> DeityNames = {
    QStringLiteral("なし"), QStringLiteral("オルディア"), QStringLiteral("ヴァルカ"), QStringLiteral("セルナ"),
    QStringLiteral("ミ・ロウ"), QStringLiteral("エイナ"), QStringLiteral("ゾルガン"), QStringLiteral("トゥリス"),
    QStringLiteral("ハルメア"), QStringLiteral("クロム"), QStringLiteral("ドゥルガ"), QStringLiteral("名もなき狂気の神"),
    QStringLiteral("ネクサ"), QStringLiteral("ラウネ")};

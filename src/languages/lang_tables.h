// The deity, language and song lists of the languages window.
#pragma once

#include <QString>
#include <array>

inline constexpr int DeityCount = 14;
inline constexpr int LanguageCount = 16;
inline constexpr int SongCount = 16;

// Entry = the record's God.
inline const std::array<QString, DeityCount> DeityNames = {
    QStringLiteral("なし"), QStringLiteral("オルディア"), QStringLiteral("ヴァルカ"), QStringLiteral("セルナ"),
    QStringLiteral("ミ・ロウ"), QStringLiteral("エイナ"), QStringLiteral("ゾルガン"), QStringLiteral("トゥリス"),
    QStringLiteral("ハルメア"), QStringLiteral("クロム"), QStringLiteral("ドゥルガ"), QStringLiteral("名もなき狂気の神"),
    QStringLiteral("ネクサ"), QStringLiteral("ラウネ")};

// The dark deities (ゾルガン and the deities after ドゥルガ): a priest of one
// is a ダークプリースト using 暗黒魔法.
inline constexpr bool IsDarkDeity(int god) { return god == 6 || god > 10; }

// Entry L is language number L + 1, the column of LangFlag and NativeLanguage.
inline const std::array<QString, LanguageCount> LanguageNames = {
    QStringLiteral("共通語"), QStringLiteral("東方語"), QStringLiteral("西方語"), QStringLiteral("イルマ語"),
    QStringLiteral("下位古代語"), QStringLiteral("エルフ語"), QStringLiteral("ドワーフ語"), QStringLiteral("インプ語"),
    QStringLiteral("ケンタウロス語"), QStringLiteral("ゴブリン語"), QStringLiteral("ジャイアント語"),
    QStringLiteral("ハーピー語"), QStringLiteral("フェアリー語"), QStringLiteral("マーマン語"),
    QStringLiteral("ミノタウロス語"), QStringLiteral("リザードマン語")};
// Languages 1..7 have a script; the others are only spoken.
inline constexpr int LastReadableLanguage = 7;

// Rows of the language lists that no combo entry stands for.
inline const QString HighAncientName = QStringLiteral("上位古代語");
inline const QString SpiritName = QStringLiteral("精霊語");

// Entry S is song number S + 1, the index of SongFlag.
inline const std::array<QString, SongCount> SongNames = {
    QStringLiteral("アーリーバード"), QStringLiteral("キュアリオスティ"), QStringLiteral("サモンスモールアニマル"),
    QStringLiteral("シング"), QStringLiteral("ダンス"), QStringLiteral("チャーム"), QStringLiteral("ノスタルジィ"),
    QStringLiteral("ピース"), QStringLiteral("ヒーリング"), QStringLiteral("マーチ"), QStringLiteral("モラル"),
    QStringLiteral("ララバイ"), QStringLiteral("レクイエム"), QStringLiteral("レジスタンス"),
    QStringLiteral("レストアメンタルパワー"), QStringLiteral("ビブラート")};

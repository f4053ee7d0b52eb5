#include "skills/skill_rules.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>
#include "languages/lang_tables.h"
#include "shell/numtext.h"

const std::array<QString, SkillCount> SkillNames = {
    QStringLiteral("ファイター"), QStringLiteral("シーフ"),     QStringLiteral("レンジャー"),
    QStringLiteral("ソーサラー"), QStringLiteral("シャーマン"), QStringLiteral("プリースト"),
    QStringLiteral("セージ"),     QStringLiteral("バード"),     QStringLiteral("ドラゴンプリースト"),
};

const QString DarkPriestName = QStringLiteral("ダークプリースト");

const std::array<QString, 6> GeneralSkillChoices = {
    QStringLiteral("マーチャント"), QStringLiteral("クラフトマン"), QStringLiteral("ヒーラー"),
    QStringLiteral("ハンター"),     QStringLiteral("セイラー"),     QStringLiteral("ドラゴンテイマー"),
};

const QString InitialGeneralSkillText = QStringLiteral("ファーマー");

namespace {

bool validSkill(int skill) { return skill >= 0 && skill < SkillCount; }

int clampLevel(int level) { return std::clamp(level, 0, MaxSkillLevel); }

// Integer fields hold 16-bit values; wider inputs are pinned rather than wrapped.
Integer toInteger(long long v)
{
    return Integer(std::clamp<long long>(v, std::numeric_limits<Integer>::min(),
                                         std::numeric_limits<Integer>::max()));
}

bool isBirthGeneralSlot(const CharaRecord &rec, int slot)
{
    return !rec.BirthGeneralSkill.isEmpty() && rec.GeneralSkillName[slot] == rec.BirthGeneralSkill;
}

} // namespace

QString LevelText(int level)
{
    if (level < 0)
        return QString();
    if (level == 0)
        return QStringLiteral("なし");
    QString text = QString::number(level);
    for (QChar &c : text)
        c = QChar(c.unicode() - u'0' + u'０');
    return text;
}

Long LevelPrice(int skill, int level)
{
    if (!validSkill(skill) || level < 1 || level > MaxSkillLevel)
        return 0;
    if (level <= MaxAffordableLevel)
        return SkillCostTable[SkillCostColumn[skill] + level];
    return HighLevelCostTable[level - 11];
}

Long LevelCost(int skill, int level)
{
    Long cost = 0; // at most 1 792 000, well inside 32 bits
    for (int j = 1; j <= clampLevel(level); ++j)
        cost += LevelPrice(skill, j);
    return cost;
}

bool IsRaceRestricted(int race, int skill)
{
    switch (race) {
    case 1: // ドワーフ
        return skill == SkillSorcerer || skill == SkillShaman;
    case 2: // グラスランナー
        return skill == SkillSorcerer || skill == SkillShaman || skill == SkillPriest
            || skill == SkillDragonPriest;
    case 3: // エルフ
        return skill == SkillPriest || skill == SkillDragonPriest;
    default:
        return false;
    }
}

bool RecomputeCosts(CharaRecord &rec)
{
    int adventurerLevel = 0;
    std::int64_t spent = 0;
    for (int i = 0; i < SkillCount; ++i) {
        const int level = rec.SkillLevel[i];
        rec.SkillExp[i] = LevelCost(i, level);
        spent += rec.SkillExp[i];
        adventurerLevel = std::max(adventurerLevel, level);
    }
    rec.AdventurerLevel = Integer(adventurerLevel);

    bool discount = false;
    for (int j = 1; j <= rec.SkillLevel[SkillSorcerer] && j <= rec.SkillLevel[SkillSage]
                    && j <= MaxAffordableLevel;
         ++j) {
        spent -= SageDiscountTable[j - 1];
        discount = true;
    }
    // Nine skills at level 20 stay far below the 32-bit limit.
    rec.ExpSpent = Long(spent);
    return discount;
}

LevelChangeResult ApplyLevelChange(CharaRecord &rec, int s, int v)
{
    LevelChangeResult result;
    if (!validSkill(s))
        return result;

    rec.SkillLevel[s] = Byte(clampLevel(v));

    // プリースト and ドラゴンプリースト exclude each other; the skill just set wins.
    if (rec.SkillLevel[SkillPriest] > 0 && s == SkillPriest)
        rec.SkillLevel[SkillDragonPriest] = 0;
    if (rec.SkillLevel[SkillDragonPriest] > 0 && s == SkillDragonPriest)
        rec.SkillLevel[SkillPriest] = 0;

    // Only the changed skill is checked, so a loaded record keeps the others.
    if (IsRaceRestricted(rec.Race, s)) {
        rec.SkillLevel[s] = 0;
        result.restricted = true;
    }

    result.discountApplies = RecomputeCosts(rec);

    const QString cost = NumText(int(rec.SkillExp[s]));
    result.costText = (result.discountApplies && (s == SkillSorcerer || s == SkillSage))
        ? QStringLiteral("*") + cost
        : cost;

    // The held experience may be negative; the ceiling never drops below the
    // current level and never rises above 10 this way.
    const int current = rec.SkillLevel[s];
    std::int64_t held = std::int64_t(rec.ExpTotal) - rec.ExpSpent;
    int ceiling = current;
    for (int j = current + 1; j <= MaxAffordableLevel; ++j) {
        held -= LevelPrice(s, j);
        if (held < 0)
            break;
        ceiling = j;
    }
    result.ceiling = result.restricted ? 0 : ceiling;
    result.floor = rec.BirthSkillLevel[s];
    return result;
}

QList<QPair<QString, int>> SkillListRows(const CharaRecord &rec)
{
    // Derived from the levels themselves so a record not yet recomputed lists fully.
    int top = 0;
    for (Byte level : rec.SkillLevel)
        top = std::max(top, int(level));

    const bool darkDeity = IsDarkDeity(rec.God);
    QList<QPair<QString, int>> rows;
    for (int v = top; v >= 1; --v) {
        for (int i = 0; i < SkillCount; ++i) {
            if (rec.SkillLevel[i] != v)
                continue;
            const QString &name = (i == SkillPriest && darkDeity) ? DarkPriestName : SkillNames[i];
            rows.append({name + LevelText(v), i});
        }
    }
    return rows;
}

int GeneralSlotSearch(CharaRecord &rec, const QString &name)
{
    // The slot that already holds the name comes first: taking a free slot
    // ahead of it would put the name in two slots, and a later change or
    // reset would then wipe or double the real level.
    for (int i = 0; i < GeneralSlotCount; ++i) {
        if (rec.GeneralSkillName[i] == name)
            return i;
    }
    for (int i = 0; i < GeneralSlotCount; ++i) {
        if (rec.GeneralSkillLevel[i] != 0)
            continue;
        // A free slot is taken over by whatever name is being edited.
        rec.GeneralSkillName[i] = name;
        return i;
    }
    return -1;
}

GeneralLevelResult ApplyGeneralLevel(CharaRecord &rec, int slot, int v)
{
    GeneralLevelResult result;
    if (slot < 0 || slot >= GeneralSlotCount)
        return result;

    result.oldLevel = rec.GeneralSkillLevel[slot];
    rec.GeneralSkillLevel[slot] = toInteger(v);

    long long sum = 0;
    for (int i = 0; i < GeneralSlotCount; ++i)
        sum += rec.GeneralSkillLevel[i];
    const long long points = rec.GeneralSkillPoints;

    result.floor = isBirthGeneralSlot(rec, slot) ? rec.BirthGeneralSkillLevel : 0;
    result.ceiling = int(rec.GeneralSkillLevel[slot] + points - sum);

    if (sum > points) {
        rec.GeneralSkillLevel[slot] = Integer(result.oldLevel);
        return result;
    }

    result.accepted = true;
    result.remaining = int(points - sum);

    // The edited slot is followed through the swaps, so a name that a loaded
    // record holds twice still leads back to the slot that was edited.
    int edited = slot;
    for (int i = 0; i < GeneralSlotCount - 1; ++i) {
        for (int j = i + 1; j < GeneralSlotCount; ++j) {
            if (rec.GeneralSkillLevel[i] < rec.GeneralSkillLevel[j]) {
                std::swap(rec.GeneralSkillName[i], rec.GeneralSkillName[j]);
                std::swap(rec.GeneralSkillLevel[i], rec.GeneralSkillLevel[j]);
                if (edited == i)
                    edited = j;
                else if (edited == j)
                    edited = i;
            }
        }
    }
    result.newSlot = edited;
    return result;
}

QStringList GeneralListRows(const CharaRecord &rec)
{
    QStringList rows;
    for (int i = 0; i < GeneralSlotCount; ++i) {
        if (rec.GeneralSkillLevel[i] > 0)
            rows.append(rec.GeneralSkillName[i] + LevelText(rec.GeneralSkillLevel[i]));
    }
    return rows;
}

QList<int> GeneralListSlots(const CharaRecord &rec)
{
    QList<int> used;
    for (int i = 0; i < GeneralSlotCount; ++i) {
        if (rec.GeneralSkillLevel[i] > 0)
            used.append(i);
    }
    return used;
}

int GeneralRemaining(const CharaRecord &rec)
{
    int sum = 0;
    for (int i = 0; i < GeneralSlotCount; ++i)
        sum += rec.GeneralSkillLevel[i];
    return rec.GeneralSkillPoints - sum;
}

void GeneralReset(CharaRecord &rec)
{
    for (int i = 0; i < GeneralSlotCount; ++i)
        rec.GeneralSkillLevel[i] = isBirthGeneralSlot(rec, i) ? rec.BirthGeneralSkillLevel : Integer(0);
}

void AdventurerReset(CharaRecord &rec, bool totalExpMode)
{
    for (int i = 0; i < SkillCount; ++i)
        rec.SkillLevel[i] = totalExpMode ? Byte(0) : Byte(clampLevel(rec.BirthSkillLevel[i]));
    RecomputeCosts(rec);
}

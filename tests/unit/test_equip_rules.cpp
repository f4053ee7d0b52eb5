#include <QtTest>
#include "abilities/ability_rules.h"
#include "equipment/equip_rules.h"
#include "equipment/equip_tables.h"

namespace {

// Weapon numbers and list indexes used below.
constexpr int Dagger = 1;
constexpr int ShortSword = 5;
constexpr int BastardSword2H = 13;
constexpr int HandAxe = 18;
constexpr int BattleAxe = 19;
constexpr int Javelin = 22;
constexpr int ShortBow = 44;
constexpr int LongBow = 45;
constexpr int Rock = 50;
constexpr int Net = 52;
constexpr int Ballista = 56;
constexpr int MorningStar = 38;
constexpr int ClothArmor = 1;
constexpr int SoftLeather = 2;
constexpr int RingMail = 4;
constexpr int PlateArmor = 8;
constexpr int SmallShield = 1;
constexpr int LargeShield = 2;

// A character with every ability at `all`, unarmed, shield side, no armour.
CharaRecord character(float all = 12)
{
    CharaRecord rec;
    rec.Ability.fill(all);
    HoldWeapon(rec, 0, 0);
    PutAwayOffHandWeapon(rec);
    HoldShield(rec, 0);
    HoldArmor(rec, 0);
    return rec;
}

void holdMain(CharaRecord &rec, int weapon, int str)
{
    HoldWeapon(rec, 0, weapon);
    rec.WeaponStr[0] = Integer(str);
}

void holdOff(CharaRecord &rec, int weapon, int str)
{
    PutAwayShield(rec);
    HoldWeapon(rec, 1, weapon);
    rec.WeaponStr[1] = Integer(str);
}

void holdArmor(CharaRecord &rec, int armor, int str)
{
    HoldArmor(rec, armor);
    rec.ArmorStr = Integer(str);
}

} // namespace

class TestEquipRules : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tables();
    void critDivisorCountsDice();
    void prices_data();
    void prices();
    void skillMode_data();
    void skillMode();
    void rangerStep_data();
    void rangerStep();
    void handShortfall_data();
    void handShortfall();
    void armorShortfall_data();
    void armorShortfall();
    void weaponFigures_data();
    void weaponFigures();
    void expectedDamage_data();
    void expectedDamage();
    void defense_data();
    void defense();
    void resistances_data();
    void resistances();
    void money_data();
    void money();
    void typedGold_data();
    void typedGold();
    void noneItemsCarryNoMagic();
    void applyWritesWhatIsHeld();
};

void TestEquipRules::tables()
{
    QCOMPARE(WeaponTable.size(), std::size_t(65));
    QCOMPARE(PageItemCount(0), 37);
    QCOMPARE(PageItemCount(1), 28);
    QCOMPARE(TableText(WeaponTable[36].listText), QStringLiteral("クォータースタッフ（両手）"));
    QCOMPARE(TableText(WeaponTable[37].listText), QStringLiteral("ライトフレイル"));
    QCOMPARE(TableText(WeaponTable[54].listText), QStringLiteral("ﾗｲﾄｸﾚｲﾝｸｨﾝｸﾛｽﾎﾞｳ（両手）"));
    QCOMPARE(TableText(WeaponTable[64].listText), QStringLiteral("ダーツ"));
    // The grip is in the list text exactly where the kind is two-handed, and
    // the sheet name is the list text without it.
    const QString grip = QStringLiteral("（両手）");
    for (int n = 0; n < WeaponCount; ++n) {
        const WeaponRow &w = WeaponTable[std::size_t(n)];
        const QString list = TableText(w.listText);
        QVERIFY2(list.endsWith(grip) == IsTwoHanded(n), qPrintable(list));
        QCOMPARE(TableText(w.sheetName), QString(list).remove(grip));
        QVERIFY2(w.strMin <= w.strMax, qPrintable(list));
    }
    // Both grips of one weapon differ only in kind and rating (and ロングスピア's hit).
    QCOMPARE(WeaponTable[25].hitMod, -1);
    QCOMPARE(WeaponTable[26].hitMod, 0);
    QCOMPARE(ArmorTable.size(), std::size_t(9));
    QCOMPARE(TableText(ArmorTable[8].listText), QStringLiteral("プレートアーマー"));
    QCOMPARE(ShieldTable.size(), std::size_t(3));
    QCOMPARE(RatingSum.size(), std::size_t(51));
    QCOMPARE(RatingSum[0], Integer(60));
    QCOMPARE(RatingSum[50], Integer(360));
    for (std::size_t i = 1; i < RatingSum.size(); ++i)
        QVERIFY(RatingSum[i] > RatingSum[i - 1]);
    // Page items map to weapon numbers and back.
    QCOMPARE(WeaponNumberAt(3, 1), MorningStar);
    QCOMPARE(WeaponListItem(MorningStar), 1);
    QCOMPARE(WeaponPageOf(36), 0);
    QCOMPARE(WeaponPageOf(37), 1);
}

void TestEquipRules::critDivisorCountsDice()
{
    for (int critical = 9; critical <= 13; ++critical) {
        int reaching = 0;
        for (int a = 1; a <= 6; ++a)
            for (int b = 1; b <= 6; ++b)
                reaching += a + b >= critical ? 1 : 0;
        QCOMPARE(int(CritDivisor[std::size_t(13 - critical)]), 36 - reaching);
    }
}

void TestEquipRules::prices_data()
{
    QTest::addColumn<int>("price");
    QTest::addColumn<int>("expected");
    QTest::newRow("bare hands cost nothing") << int(WeaponPrice(0, 0)) << 0;
    QTest::newRow("ダガー at 5") << int(WeaponPrice(Dagger, 5)) << 70;
    QTest::newRow("ダガー at 1") << int(WeaponPrice(Dagger, 1)) << 30;
    QTest::newRow("ネット has a fixed price") << int(WeaponPrice(Net, 7)) << 200;
    QTest::newRow("バリスタ at 24") << int(WeaponPrice(Ballista, 24)) << 1640;
    QTest::newRow("クロースアーマー at 2") << int(ArmorPrice(ClothArmor, 2)) << 30;
    QTest::newRow("プレートアーマー at 24") << int(ArmorPrice(PlateArmor, 24)) << 2500;
    QTest::newRow("no armour") << int(ArmorPrice(0, 0)) << 0;
    QTest::newRow("スモールシールド") << int(ShieldPrice(SmallShield)) << 60;
    QTest::newRow("ラージシールド") << int(ShieldPrice(LargeShield)) << 300;
    QTest::newRow("a damaged shield index is no shield") << int(ShieldPrice(7)) << 0;
}

void TestEquipRules::prices()
{
    QFETCH(int, price);
    QFETCH(int, expected);
    QCOMPARE(price, expected);
}

void TestEquipRules::skillMode_data()
{
    // 筋力 12 (half strength 6) unless given.
    QTest::addColumn<int>("fighter");
    QTest::addColumn<int>("thief");
    QTest::addColumn<float>("strength");
    QTest::addColumn<int>("mainStr");
    QTest::addColumn<int>("offStr");    // -1: shield side
    QTest::addColumn<int>("shield");
    QTest::addColumn<int>("armor");
    QTest::addColumn<int>("armorStr");
    QTest::addColumn<int>("mode");
    QTest::newRow("thief with light equipment") << 1 << 1 << 12.f << 5 << -1 << 0 << 0 << 0 << int(ModeThief);
    QTest::newRow("thief level below fighter") << 2 << 1 << 12.f << 5 << -1 << 0 << 0 << 0 << int(ModeFighter);
    QTest::newRow("no thief level") << 0 << 0 << 12.f << 5 << -1 << 0 << 0 << 0 << int(ModeFighter);
    QTest::newRow("main weapon at half strength") << 0 << 1 << 12.f << 6 << -1 << 0 << 0 << 0 << int(ModeThief);
    QTest::newRow("main weapon above half strength") << 0 << 1 << 12.f << 7 << -1 << 0 << 0 << 0 << int(ModeFighter);
    QTest::newRow("half strength rounds up") << 0 << 1 << 13.f << 7 << -1 << 0 << 0 << 0 << int(ModeThief);
    QTest::newRow("off-hand weapon too heavy") << 0 << 1 << 12.f << 5 << 7 << 0 << 0 << 0 << int(ModeFighter);
    QTest::newRow("ラージシールド too heavy") << 0 << 1 << 12.f << 5 << -1 << LargeShield << 0 << 0 << int(ModeFighter);
    QTest::newRow("ラージシールド for a strong thief") << 0 << 1 << 26.f << 5 << -1 << LargeShield << 0 << 0 << int(ModeThief);
    QTest::newRow("heavy armour forces fighter") << 0 << 3 << 40.f << 5 << -1 << 0 << PlateArmor << 13 << int(ModeFighter);
    QTest::newRow("armour above half strength") << 0 << 1 << 12.f << 5 << -1 << 0 << RingMail << 7 << int(ModeFighter);
    QTest::newRow("light armour at half strength") << 0 << 1 << 12.f << 5 << -1 << 0 << RingMail << 6 << int(ModeThief);
}

void TestEquipRules::skillMode()
{
    QFETCH(int, fighter);
    QFETCH(int, thief);
    QFETCH(float, strength);
    QFETCH(int, mainStr);
    QFETCH(int, offStr);
    QFETCH(int, shield);
    QFETCH(int, armor);
    QFETCH(int, armorStr);
    QFETCH(int, mode);
    CharaRecord rec = character();
    rec.Ability[3] = strength;
    rec.SkillLevel[0] = Byte(fighter);
    rec.SkillLevel[1] = Byte(thief);
    holdMain(rec, Dagger, mainStr);
    if (offStr >= 0)
        holdOff(rec, Dagger, offStr);
    else
        HoldShield(rec, shield);
    holdArmor(rec, armor, armorStr);
    QCOMPARE(BaseSkillMode(rec), mode);
}

void TestEquipRules::rangerStep_data()
{
    QTest::addColumn<int>("weapon");
    QTest::addColumn<int>("ranger");
    QTest::addColumn<int>("mode");
    // ファイター 2 is the base skill.
    QTest::newRow("ハンドアックス (kind 2) takes the ranger") << HandAxe << 3 << int(ModeRanger);
    QTest::newRow("バトルアックス (kind 0) keeps the fighter") << BattleAxe << 3 << int(ModeFighter);
    QTest::newRow("ショートボウ (kind 3) takes the ranger") << ShortBow << 3 << int(ModeRanger);
    QTest::newRow("a two-handed sword (kind 1) keeps the fighter") << BastardSword2H << 3 << int(ModeFighter);
    QTest::newRow("ranger level equal to the fighter's") << HandAxe << 2 << int(ModeFighter);
}

void TestEquipRules::rangerStep()
{
    QFETCH(int, weapon);
    QFETCH(int, ranger);
    QFETCH(int, mode);
    CharaRecord rec = character();
    rec.SkillLevel[0] = 2;
    rec.SkillLevel[2] = Byte(ranger);
    holdMain(rec, weapon, WeaponTable[std::size_t(weapon)].strMin);
    QCOMPARE(SlotSkillMode(rec, ModeFighter, 0), mode);
}

void TestEquipRules::handShortfall_data()
{
    QTest::addColumn<float>("strength");
    QTest::addColumn<int>("mainStr");
    QTest::addColumn<int>("offStr"); // -1: shield side
    QTest::addColumn<int>("shield");
    QTest::addColumn<int>("shortfall");
    QTest::newRow("all within strength") << 12.f << 12 << -1 << 0 << 0;
    QTest::newRow("main weapon 3 too heavy") << 12.f << 15 << -1 << 0 << 3;
    QTest::newRow("ラージシールド 1 too heavy") << 12.f << 10 << -1 << LargeShield << 1;
    QTest::newRow("off-hand weapon against half strength") << 12.f << 5 << 8 << 0 << 2;
    QTest::newRow("off-hand half strength rounds up") << 13.f << 5 << 8 << 0 << 1;
    QTest::newRow("the larger excess counts") << 12.f << 14 << 9 << 0 << 3;
    QTest::newRow("a fractional strength rounds the excess") << 11.5f << 13 << -1 << 0 << 2;
}

void TestEquipRules::handShortfall()
{
    QFETCH(float, strength);
    QFETCH(int, mainStr);
    QFETCH(int, offStr);
    QFETCH(int, shield);
    QFETCH(int, shortfall);
    CharaRecord rec = character();
    rec.Ability[3] = strength;
    holdMain(rec, 0, mainStr);
    int mode = LeftShield;
    if (offStr >= 0) {
        holdOff(rec, Dagger, offStr);
        mode = LeftWeaponPage1;
    } else {
        HoldShield(rec, shield);
    }
    QCOMPARE(HandShortfall(rec, mode), shortfall);
}

void TestEquipRules::armorShortfall_data()
{
    QTest::addColumn<int>("armorStr");
    QTest::addColumn<int>("shortfall");
    QTest::newRow("below strength") << 10 << 0;
    QTest::newRow("at strength") << 12 << 0;
    QTest::newRow("above strength") << 15 << 3;
}

void TestEquipRules::armorShortfall()
{
    QFETCH(int, armorStr);
    QFETCH(int, shortfall);
    CharaRecord rec = character();
    holdArmor(rec, PlateArmor, armorStr);
    QCOMPARE(ArmorShortfall(rec), shortfall);
}

void TestEquipRules::weaponFigures_data()
{
    // 器用度 12 and 筋力 14 (half strength 7).
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("mainWeapon");
    QTest::addColumn<int>("mainStr");
    QTest::addColumn<int>("offWeapon"); // -1: shield side
    QTest::addColumn<int>("offStr");
    QTest::addColumn<int>("ambidextrous");
    QTest::addColumn<int>("shield");
    QTest::addColumn<int>("shieldMagic");
    QTest::addColumn<int>("fighter");
    QTest::addColumn<int>("thief");
    QTest::addColumn<int>("attack");
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("extra");
    QTest::addColumn<int>("critical");
    // Bonus 2 + level 2 = 4 before modifiers.
    QTest::newRow("ショートソード alone") << 0 << ShortSword << 8 << -1 << 0 << 0 << 0 << 0 << 2 << 0 << 4 << 8 << 4 << 10;
    QTest::newRow("main weapon beside a second") << 0 << ShortSword << 8 << Dagger << 5 << 0 << 0 << 0 << 2 << 0 << 2 << 8 << 4 << 10;
    QTest::newRow("off arm weapon") << 1 << ShortSword << 8 << Dagger << 5 << 0 << 0 << 0 << 2 << 0 << 0 << 5 << 4 << 10;
    QTest::newRow("off weapon when ambidextrous") << 1 << ShortSword << 8 << Dagger << 5 << 1 << 0 << 0 << 2 << 0 << 2 << 5 << 4 << 10;
    QTest::newRow("off weapon beyond half strength") << 1 << ShortSword << 8 << ShortSword << 8 << 1 << 0 << 0 << 2 << 0 << 1 << 8 << 4 << 10;
    QTest::newRow("main weapon pays for the heavy off weapon") << 0 << ShortSword << 8 << ShortSword << 8 << 1 << 0 << 0 << 2 << 0 << 1 << 8 << 4 << 10;
    QTest::newRow("ラージシールド lowers attack") << 0 << ShortSword << 8 << -1 << 0 << 0 << LargeShield << 0 << 2 << 0 << 3 << 8 << 4 << 10;
    QTest::newRow("ラージシールド ＋１ does not") << 0 << ShortSword << 8 << -1 << 0 << 0 << LargeShield << 1 << 2 << 0 << 4 << 8 << 4 << 10;
    QTest::newRow("bare hands") << 0 << 0 << 0 << -1 << 0 << 0 << 0 << 0 << 2 << 0 << 4 << 0 << 4 << 12;
    QTest::newRow("bare-handed thief") << 0 << 0 << 0 << -1 << 0 << 0 << 0 << 0 << 0 << 2 << 4 << 0 << 4 << 11;
    QTest::newRow("thief critical with a dagger") << 0 << Dagger << 3 << -1 << 0 << 0 << 0 << 0 << 1 << 2 << 4 << 3 << 4 << 9;
    QTest::newRow("no skill: no ability bonus") << 0 << ShortSword << 8 << -1 << 0 << 0 << 0 << 0 << 0 << 0 << 0 << 8 << 0 << 10;
    QTest::newRow("ロングボウ at 18 uses the chosen strength") << 0 << LongBow << 18 << -1 << 0 << 0 << 0 << 0 << 2 << 0 << 0 << 23 << 5 << 10;
    QTest::newRow("ロック uses 筋力") << 0 << Rock << 18 << -1 << 0 << 0 << 0 << 0 << 2 << 0 << 1 << 18 << 4 << 12;
    QTest::newRow("ネット rates -1") << 0 << Net << 7 << -1 << 0 << 0 << 0 << 0 << 2 << 0 << 2 << -1 << 4 << 13;
}

void TestEquipRules::weaponFigures()
{
    QFETCH(int, slot);
    QFETCH(int, mainWeapon);
    QFETCH(int, mainStr);
    QFETCH(int, offWeapon);
    QFETCH(int, offStr);
    QFETCH(int, ambidextrous);
    QFETCH(int, shield);
    QFETCH(int, shieldMagic);
    QFETCH(int, fighter);
    QFETCH(int, thief);
    QFETCH(int, attack);
    QFETCH(int, rating);
    QFETCH(int, extra);
    QFETCH(int, critical);
    CharaRecord rec = character();
    rec.Ability[3] = 14;
    rec.SkillLevel[0] = Byte(fighter);
    rec.SkillLevel[1] = Byte(thief);
    rec.Ambidextrous = Byte(ambidextrous);
    holdMain(rec, mainWeapon, mainStr);
    int mode = LeftShield;
    if (offWeapon >= 0) {
        holdOff(rec, offWeapon, offStr);
        mode = LeftWeaponPage1;
    } else {
        HoldShield(rec, shield);
        rec.ShieldMagic = Byte(shieldMagic);
    }
    const int base = BaseSkillMode(rec);
    const WeaponFigures f = EvaluateWeapon(rec, slot, mode, base, HandShortfall(rec, mode));
    QCOMPARE(f.attack, attack);
    QCOMPARE(f.rating, rating);
    QCOMPARE(f.extraDamage, extra);
    QCOMPARE(f.critical, critical);
}

void TestEquipRules::expectedDamage_data()
{
    QTest::addColumn<int>("rating");
    QTest::addColumn<int>("critical");
    QTest::addColumn<int>("bonus");
    QTest::addColumn<QString>("text");
    QTest::newRow("bare hands: 60 / 35") << 0 << 12 << 0 << QStringLiteral("1.7");
    QTest::newRow("rating 8, critical 10, bonus 4: 108 / 30 + 4") << 8 << 10 << 4 << QStringLiteral("7.6");
    QTest::newRow("a half stays one decimal") << 5 << 13 << 1 << QStringLiteral("3.5");
    QTest::newRow("rating 50, critical 9") << 50 << 9 << 0 << QStringLiteral("13.8");
    QTest::newRow("ネット's -1 reads as 0") << -1 << 13 << 0 << QStringLiteral("1.7");
    QTest::newRow("ボーラ's -1 reads as 0") << 3 - 4 << 13 << 2 << QStringLiteral("3.7");
    QTest::newRow("a rating above 50 reads as 50") << 60 << 13 << 0 << QStringLiteral("10");
}

void TestEquipRules::expectedDamage()
{
    QFETCH(int, rating);
    QFETCH(int, critical);
    QFETCH(int, bonus);
    QFETCH(QString, text);
    QCOMPARE(TenthsText(ExpectedTenths(rating, critical, bonus)), text);
    QCOMPARE(TenthsText(-15), QStringLiteral("-1.5"));
}

void TestEquipRules::defense_data()
{
    // 敏捷度 and 筋力 12, ファイター 2, adventurer level 2.
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("armor");
    QTest::addColumn<int>("armorStr");
    QTest::addColumn<int>("armorMagic");
    QTest::addColumn<int>("shield");
    QTest::addColumn<int>("shieldMagic");
    QTest::addColumn<int>("evasion");
    QTest::addColumn<int>("defense");
    QTest::addColumn<int>("reduction");
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("effects");
    QTest::newRow("no armour: reduction is the level") << 0 << 0 << 0 << 0 << 0 << 0 << 4 << 0 << 2 << QStringLiteral("3.7") << QStringLiteral("× / ×");
    QTest::newRow("プレートアーマー at 24") << 0 << PlateArmor << 24 << 0 << 0 << 0 << -9 << 29 << 2 << QStringLiteral("8.5") << QStringLiteral("○ / ○");
    QTest::newRow("プレートアーマー 1 above strength") << 0 << PlateArmor << 13 << 0 << 0 << 0 << 2 << 18 << 2 << QStringLiteral("6.6") << QStringLiteral("○ / ○");
    QTest::newRow("リングメイル") << 0 << RingMail << 5 << 0 << 0 << 0 << 4 << 5 << 2 << QStringLiteral("4.5") << QStringLiteral("○ / ×");
    QTest::newRow("armour magic") << 0 << RingMail << 5 << 2 << 0 << 0 << 6 << 5 << 4 << QStringLiteral("6.5") << QStringLiteral("○ / ×");
    QTest::newRow("ノーブルリザードマン in soft leather") << 8 << SoftLeather << 4 << 0 << 0 << 0 << 4 << 9 << 2 << QStringLiteral("4.3") << QStringLiteral("× / ×");
    QTest::newRow("ラージシールド") << 0 << 0 << 0 << 0 << LargeShield << 0 << 6 << 0 << 2 << QStringLiteral("3.7") << QStringLiteral("× / ×");
    QTest::newRow("ラージシールド ＋１") << 0 << 0 << 0 << 0 << LargeShield << 1 << 7 << 0 << 2 << QStringLiteral("3.7") << QStringLiteral("× / ×");
}

void TestEquipRules::defense()
{
    QFETCH(int, race);
    QFETCH(int, armor);
    QFETCH(int, armorStr);
    QFETCH(int, armorMagic);
    QFETCH(int, shield);
    QFETCH(int, shieldMagic);
    QFETCH(int, evasion);
    QFETCH(int, defense);
    QFETCH(int, reduction);
    QFETCH(QString, points);
    QFETCH(QString, effects);
    CharaRecord rec = character();
    rec.Race = Byte(race);
    rec.Ability[3] = 12;
    rec.SkillLevel[0] = 2;
    rec.AdventurerLevel = 2;
    holdArmor(rec, armor, armorStr);
    rec.ArmorMagic = Byte(armorMagic);
    HoldShield(rec, shield);
    rec.ShieldMagic = Byte(shieldMagic);
    const DefenseFigures f = EvaluateDefense(rec, BaseSkillMode(rec), ArmorShortfall(rec));
    QCOMPARE(f.evasion, evasion);
    QCOMPARE(f.defense, defense);
    QCOMPARE(f.reduction, reduction);
    QCOMPARE(TenthsText(f.pointsTenths), points);
    QCOMPARE(f.effects, effects);
}

void TestEquipRules::resistances_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<float>("life");
    QTest::addColumn<float>("spirit");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("lifeResist");
    QTest::addColumn<int>("spiritResist");
    QTest::newRow("生命力 13 at level 2") << 0 << 13.f << 12.f << 2 << 4 << 4;
    QTest::newRow("ダークエルフ 精神力 12 at level 1") << 7 << 12.f << 12.f << 1 << 3 << 7;
    QTest::newRow("bonus floors fractions") << 0 << 17.5f << 5.f << 0 << 2 << 0;
}

void TestEquipRules::resistances()
{
    QFETCH(int, race);
    QFETCH(float, life);
    QFETCH(float, spirit);
    QFETCH(int, level);
    QFETCH(int, lifeResist);
    QFETCH(int, spiritResist);
    CharaRecord rec = character();
    rec.Race = Byte(race);
    rec.Ability[4] = life;
    rec.Ability[5] = spirit;
    rec.AdventurerLevel = Integer(level);
    QCOMPARE(LifeResistance(rec), lifeResist);
    QCOMPARE(SpiritResistance(rec), spiritResist);
}

void TestEquipRules::money_data()
{
    QTest::addColumn<int>("gold");
    QTest::addColumn<int>("offWeapon"); // -1: shield side with スモールシールド
    QTest::addColumn<int>("money");
    // ダガー at 3 (50), クロースアーマー at 2 (30).
    QTest::newRow("500 less ダガー, スモールシールド and クロースアーマー") << 500 << -1 << 360;
    QTest::newRow("buying more than the gold goes negative") << 100 << -1 << -40;
    QTest::newRow("a second ダガー instead of the shield") << 500 << Dagger << 390;
}

void TestEquipRules::money()
{
    QFETCH(int, gold);
    QFETCH(int, offWeapon);
    QFETCH(int, money);
    CharaRecord rec = character();
    rec.Gold = gold;
    holdMain(rec, Dagger, 3);
    int mode = LeftShield;
    if (offWeapon >= 0) {
        holdOff(rec, offWeapon, 1);
        mode = LeftWeaponPage1;
    } else {
        HoldShield(rec, SmallShield);
    }
    holdArmor(rec, ClothArmor, 2);
    QCOMPARE(ApplyEquipment(rec, mode).money, (long long)money);
    QCOMPARE(MoneyShown(rec), (long long)money);
    QCOMPARE(rec.Gold, Long(gold));
}

void TestEquipRules::typedGold_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("gold");
    // The items held cost 140.
    QTest::newRow("money left becomes gold plus prices") << QStringLiteral("1000") << true << 1140;
    QTest::newRow("blanks around") << QStringLiteral("  20 ") << true << 160;
    QTest::newRow("negative money left") << QStringLiteral("-40") << true << 100;
    QTest::newRow("full-width digits") << QStringLiteral("１００") << true << 240;
    QTest::newRow("not a number") << QStringLiteral("abc") << false << 0;
    QTest::newRow("empty") << QString() << false << 0;
    QTest::newRow("a fraction") << QStringLiteral("12.5") << false << 0;
    QTest::newRow("trailing text") << QStringLiteral("12G") << false << 0;
    QTest::newRow("top of the range") << QStringLiteral("2147483507") << true << 2147483647;
    QTest::newRow("past the range with the prices") << QStringLiteral("2147483508") << false << 0;
    QTest::newRow("far past the range") << QStringLiteral("99999999999999999999") << false << 0;
}

void TestEquipRules::typedGold()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(int, gold);
    CharaRecord rec = character();
    rec.Gold = 500;
    holdMain(rec, Dagger, 3);
    HoldShield(rec, SmallShield);
    holdArmor(rec, ClothArmor, 2);
    ApplyEquipment(rec, LeftShield);
    Long out = -7;
    QCOMPARE(GoldFromTyped(typed, rec, out), accepted);
    QCOMPARE(out, accepted ? Long(gold) : Long(-7));
}

void TestEquipRules::noneItemsCarryNoMagic()
{
    CharaRecord rec = character();
    holdMain(rec, Dagger, 3);
    rec.WeaponMagic[0] = 2;
    HoldWeapon(rec, 0, ShortSword);
    QCOMPARE(rec.WeaponMagic[0], Byte(2)); // a new weapon keeps the bonus chosen
    HoldWeapon(rec, 0, 0);
    QCOMPARE(rec.WeaponMagic[0], Byte(0));
    HoldShield(rec, SmallShield);
    rec.ShieldMagic = 1;
    HoldShield(rec, 0);
    QCOMPARE(rec.ShieldMagic, Byte(0));
    HoldArmor(rec, RingMail);
    rec.ArmorMagic = 3;
    HoldArmor(rec, 0);
    QCOMPARE(rec.ArmorMagic, Byte(0));
    QCOMPARE(rec.ArmorName, QStringLiteral("なし"));
    // A damaged index holds the first row.
    HoldWeapon(rec, 1, 300);
    QCOMPARE(rec.ItemIndex(0, 1), Integer(0));
    QCOMPARE(rec.WeaponName[1], QStringLiteral("素手"));
}

void TestEquipRules::applyWritesWhatIsHeld()
{
    CharaRecord rec = character();
    rec.Gold = 1000;
    rec.SkillLevel[0] = 2;
    holdMain(rec, BastardSword2H, 15);
    QCOMPARE(rec.WeaponName[0], QStringLiteral("バスタードソード"));
    QCOMPARE(rec.WeaponKind[0], Byte(1));
    HoldShield(rec, SmallShield);
    EquipFigures f = ApplyEquipment(rec, LeftShield);
    QCOMPARE(f.evaluations, 1);
    QCOMPARE(rec.ItemPrice[0], Integer(30 * 15 + 50));
    QCOMPARE(rec.ItemPrice[1], Integer(60));
    QCOMPARE(rec.ItemPrice[3], Integer(0));
    QCOMPARE(rec.CombatValue(0, 1), Integer(20));
    QCOMPARE(rec.CombatValue(1, 0), Integer(0));
    QCOMPARE(rec.DefenseValue[0], Integer(4 + 1));

    // A second weapon: the shield counts for nothing, both weapons are priced.
    holdMain(rec, ShortSword, 8);
    holdOff(rec, Javelin, 4);
    rec.CombatValue(1, 0) = 99;
    f = ApplyEquipment(rec, LeftWeaponPage1);
    QCOMPARE(f.evaluations, 2);
    QCOMPARE(rec.ShieldStr, Integer(-1));
    QCOMPARE(rec.ItemPrice[1], Integer(0));
    QCOMPARE(rec.ItemPrice[3], Integer(10 * 4 + 15));
    QCOMPARE(rec.CombatValue(1, 0), Integer(4 - 1 - 4));
    QCOMPARE(rec.CombatValue(1, 1), Integer(9));
    QCOMPARE(rec.DefenseValue[0], Integer(4));
    QCOMPARE(f.money, 1000LL - 110 - 55);

    // Back to the shield side: the weapon put away costs and counts nothing.
    PutAwayOffHandWeapon(rec);
    HoldShield(rec, 0);
    f = ApplyEquipment(rec, LeftShield);
    QCOMPARE(rec.WeaponStr[1], Integer(-1));
    QCOMPARE(rec.ItemPrice[3], Integer(0));
    QCOMPARE(rec.CombatValue(1, 1), Integer(0));
    QCOMPARE(f.money, 1000LL - 110);
}

QTEST_GUILESS_MAIN(TestEquipRules)
#include "test_equip_rules.moc"

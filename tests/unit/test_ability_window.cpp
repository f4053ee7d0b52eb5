// The abilities window in-process: where the focus goes after Enter, the
// loaded-character refresh, and many generations through the window.
#include <QtTest>

#include "abilities/ability_rules.h"
#include "abilities/form_ability.h"
#include "abilities/race_tables.h"
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "profile/form_base.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/random.h"
#include "shell/ui_seam.h"
#include "skills/form_exp.h"

#include <QMdiArea>
#include <QTemporaryDir>
#include <algorithm>

class TestAbilityWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void enterMovesFocus_data();
    void enterMovesFocus();
    void loadedRefresh_data();
    void loadedRefresh();
    void refreshRequests();
    void generationThroughWindow_data();
    void generationThroughWindow();

private:
    QTemporaryDir m_dir;
    int m_beeps = 0;
};

void TestAbilityWindow::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Characters/Portraits")));
    uiHooks().beep = [this] { ++m_beeps; };
    SetProgramFolder(m_dir.path());
    SeedRandom(7);
    StartProgram();
    KTimer::drainPending();
}

void TestAbilityWindow::enterMovesFocus_data()
{
    QTest::addColumn<bool>("ability"); // false: base value boxes TextAb
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("to"); // -1: focus stays

    QTest::newRow("base A to B") << false << 0 << QStringLiteral("7") << 1;
    QTest::newRow("base H wraps to A") << false << 7 << QStringLiteral("7") << 0;
    QTest::newRow("ability 知力 to 筋力") << true << 2 << QStringLiteral("14") << 3;
    QTest::newRow("ability 精神力 wraps to 器用度") << true << 5 << QStringLiteral("14") << 0;
    QTest::newRow("refused base value keeps focus") << false << 3 << QStringLiteral("1e39") << -1;
    QTest::newRow("refused ability keeps focus") << true << 4 << QStringLiteral("99999") << -1;
}

void TestAbilityWindow::enterMovesFocus()
{
    QFETCH(bool, ability);
    QFETCH(int, from);
    QFETCH(QString, typed);
    QFETCH(int, to);

    FormAbility *f = formAbility();
    MDIFormKT *main = mdiFormKT();
    main->show();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    main->focusChild(f);

    KText *const *boxes = ability ? f->TextAbility : f->TextAb;
    const int count = ability ? 6 : 8;
    boxes[from]->setFocus();
    QVERIFY(boxes[from]->hasFocus());
    const int beepsBefore = m_beeps;
    boxes[from]->typeText(typed);
    boxes[from]->pressKey(QChar(13));
    KTimer::drainPending();
    const int want = to < 0 ? from : to;
    for (int i = 0; i < count; ++i)
        QCOMPARE(boxes[i]->hasFocus(), i == want);
    QCOMPARE(m_beeps - beepsBefore, to < 0 ? 1 : 0);
}

void TestAbilityWindow::loadedRefresh_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("undead");
    QTest::addColumn<int>("ambidextrous");
    QTest::addColumn<int>("ageClass");

    // The race shown before each row is 人間 (set in the test).
    QTest::newRow("same race, no template") << int(RaceHuman) << 0 << 0 << 0;
    QTest::newRow("other race runs generation in between") << int(RaceDwarf) << 0 << 1 << 6;
    QTest::newRow("ヴァンパイア") << int(RaceMerman) << 1 << 0 << 3;
    QTest::newRow("ノーライフキング") << int(RaceCentaur) << 2 << 1 << 10;
}

void TestAbilityWindow::loadedRefresh()
{
    QFETCH(int, race);
    QFETCH(int, undead);
    QFETCH(int, ambidextrous);
    QFETCH(int, ageClass);

    FormAbility *f = formAbility();
    f->ComboLace->userSelect(RaceHuman);
    KTimer::drainPending();
    // Earlier boxes show something else than the loaded character does.
    f->CheckAdd[undead == 1 ? 1 : 0]->setValue(1);
    KTimer::drainPending();

    // A character as the list's "呼出" leaves it: read into the record,
    // every profile value marked, the refresh requested.
    CharaRecord rec = Chara;
    rec.Race = Byte(race);
    rec.Name = QStringLiteral("ロード");
    rec.CommonName = QStringLiteral("通り名");
    rec.Description = QStringLiteral("一行目\r\n二行目");
    rec.Sex = 1;
    rec.Age = 222;
    rec.AgeClass = Integer(ageClass);
    rec.CharaNo = 7;
    rec.God = 2;
    rec.Gold = 1234;
    rec.Ambidextrous = Byte(ambidextrous);
    rec.UndeadType = Integer(undead);
    rec.BaseValue = {1, 2, 3, 4, 5, 6, 7, 8};
    rec.AbilityAdjust = {1, 0, 0, 0, 0, -1};
    rec.ExpTotal = 4321;
    rec.SkillLevel = {1, 0, 0, 0, 0, 0, 0, 0, 0};
    rec.NativeLanguage = 3;
    Chara = rec;
    ProfileLock.fill(1);
    f->TimerAbi->setEnabled(true);
    f->TimerAbi->fire();

    QCOMPARE(CharacterLoaded, Byte(1));
    // The languages window's refresh takes the flag over, once.
    KTimer::drainPending();
    QCOMPARE(CharacterLoaded, Byte(0));
    // Name, common name, description, sex and deity count as entered by hand;
    // the name's handling released the age.
    QCOMPARE(ProfileLock, (std::array<Byte, 6>{1, 1, 1, 1, 0, 1}));
    FormBase *b = formBase();
    QCOMPARE(b->TextID->text(), QStringLiteral("7"));
    QCOMPARE(b->TextChara[0]->text(), rec.Name);
    QCOMPARE(b->TextChara[1]->text(), rec.CommonName);
    QCOMPARE(b->TextChara[2]->text(), rec.Description);
    QCOMPARE(b->ComboSex->listIndex(), 1);
    QCOMPARE(b->TextAge->text(), QStringLiteral("222"));
    QCOMPARE(f->ComboLace->listIndex(), race);
    QCOMPARE(f->ComboAge->listIndex(), ageClass);
    QCOMPARE(f->CheckAdd[0]->value(), undead == 1 ? 1 : 0);
    QCOMPARE(f->CheckAdd[1]->value(), undead == 2 ? 1 : 0);
    QCOMPARE(f->UndeadFlag[0], Byte(undead == 1));
    QCOMPARE(f->UndeadFlag[1], Byte(undead == 2));
    QCOMPARE(f->ComboShift->isEnabled(), race == RaceHuman);
    QCOMPARE(formLang()->ComboGod->listIndex(), 2);
    QCOMPARE(formExp()->LabelHome->caption(), QStringLiteral("呼び出し"));
    QCOMPARE(formEquip()->TextGold->text(), QStringLiteral("1234"));
    QCOMPARE(formEquip()->LabelArm[1]->caption(), ambidextrous ? QStringLiteral("利腕") : QStringLiteral("逆腕"));

    // The record is the loaded character, recomputed; the working copy
    // follows. (Figures the other windows' refreshes derive are theirs.)
    const Derived d = DeriveAbilities(rec.BaseValue, undead == 1, undead == 2, rec.AbilityAdjust, ageClass);
    rec.BaseTotal = d.baseTotal;
    rec.Ability = d.ability;
    rec.AbilityTotal = d.abilityTotal;
    for (const CharaRecord *r : {&Chara, &CharaWork}) {
        QCOMPARE(r->Name, rec.Name);
        QCOMPARE(r->CommonName, rec.CommonName);
        QCOMPARE(r->Description, rec.Description);
        QCOMPARE(r->Sex, rec.Sex);
        QCOMPARE(r->Age, rec.Age);
        QCOMPARE(r->AgeClass, rec.AgeClass);
        QCOMPARE(r->CharaNo, rec.CharaNo);
        QCOMPARE(r->Race, rec.Race);
        QCOMPARE(r->BaseValue, rec.BaseValue);
        QCOMPARE(r->BaseTotal, rec.BaseTotal);
        QCOMPARE(r->Ability, rec.Ability);
        QCOMPARE(r->AbilityTotal, rec.AbilityTotal);
        QCOMPARE(r->AbilityAdjust, rec.AbilityAdjust);
        QCOMPARE(r->UndeadType, rec.UndeadType);
        QCOMPARE(r->Ambidextrous, rec.Ambidextrous);
        QCOMPARE(r->Gold, rec.Gold);
        QCOMPARE(r->God, rec.God);
        QCOMPARE(r->ExpTotal, rec.ExpTotal);
        QCOMPARE(r->SkillLevel, rec.SkillLevel);
        QCOMPARE(r->NativeLanguage, rec.NativeLanguage);
        QCOMPARE(r->BirthSkillLevel, rec.BirthSkillLevel);
        QCOMPARE(r->BirthGeneralSkill, rec.BirthGeneralSkill);
        QCOMPARE(r->GeneralSkillPoints, rec.GeneralSkillPoints);
    }
    for (int i = 0; i < 8; ++i)
        QCOMPARE(f->TextAb[i]->text(), NumText(rec.BaseValue[size_t(i)]));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f->TextAbility[i]->text(), NumText(d.ability[size_t(i)]));
}

void TestAbilityWindow::refreshRequests()
{
    FormAbility *f = formAbility();
    KTimer::drainPending();
    // A recomputation asks the skills and equipment windows to follow.
    f->CommandRe_Click();
    QVERIFY(formExp()->TimerReset->enabled());
    QVERIFY(formEquip()->TimerReset->enabled());
    QVERIFY(!formLang()->TimerReset->enabled());
    KTimer::drainPending();
    // An ability typed by hand asks the equipment and languages windows.
    f->TextAbility[2]->typeText(QStringLiteral("15"));
    f->TextAbility[2]->pressKey(QChar(13));
    QVERIFY(!formExp()->TimerReset->enabled());
    QVERIFY(formEquip()->TimerReset->enabled());
    QVERIFY(formLang()->TimerReset->enabled());
    KTimer::drainPending();
}

void TestAbilityWindow::generationThroughWindow_data()
{
    QTest::addColumn<int>("race");
    for (int r = 0; r < RaceCount; ++r)
        QTest::newRow(qPrintable(RaceNames[size_t(r)])) << r;
}

// What the window writes agrees with the tables, and the boxes of the other
// windows agree with the record, over many rolls.
void TestAbilityWindow::generationThroughWindow()
{
    QFETCH(int, race);
    FormAbility *f = formAbility();
    FormBase *b = formBase();
    SeedRandom(1000 + quint64(race));
    ProfileLock.fill(0); // nothing entered by hand
    f->ComboLace->userSelect(race);
    KTimer::drainPending();
    const RaceDiceRow &dice = RaceDiceTable[size_t(race)];
    const Byte godBefore = Chara.God;
    const int rolls = 400;
    bool sawBothSexes[2] = {false, false};
    bool sawAmbidextrous = false;
    for (int n = 0; n < rolls; ++n) {
        f->CommandRun->click();
        QCOMPARE(Chara.Race, Byte(race));
        QCOMPARE(CharacterLoaded, Byte(0));
        for (int i = 0; i < 8; ++i) {
            const float v = Chara.BaseValue[size_t(i)];
            QVERIFY(v >= FixedBaseValue(dice, i, 2) && v <= FixedBaseValue(dice, i, 0));
            QCOMPARE(f->TextAb[i]->text(), NumText(v));
        }
        QCOMPARE(Chara.AbilityAdjust, (std::array<Integer, 6>{}));
        QCOMPARE(Chara.CharaNo, Integer(0));
        QCOMPARE(b->TextID->text(), QStringLiteral("0"));

        // The birth label names the row the skills, experience and money came from.
        const QString label = formExp()->LabelHome->caption();
        int mul = 0;
        std::array<Byte, 9> skills{};
        Long exp = 0;
        if (race == RaceHuman || (race == RaceHalfElf && label != QStringLiteral("エルフ"))) {
            const auto row = std::find_if(BirthTable.begin(), BirthTable.end(),
                                          [&](const BirthRow &r) { return r.label == label; });
            QVERIFY2(row != BirthTable.end(), qPrintable(label));
            mul = row->moneyMul;
            skills = row->skills;
            exp = row->exp;
            QCOMPARE(Chara.GeneralSkillPoints, row->generalSkillPoints);
            QVERIFY(Chara.NativeLanguage == 2 || Chara.NativeLanguage == 3);
            QVERIFY(Chara.Age >= 15 && Chara.Age <= 25);
        } else {
            const RaceSetting &s = SettingForRace(race, 0);
            QCOMPARE(label, s.birthLabel);
            mul = s.moneyMul;
            skills = s.skills;
            exp = s.exp;
            QCOMPARE(Chara.GeneralSkillPoints, s.generalSkillPoints);
            if (s.nativeLanguage != 0)
                QCOMPARE(Chara.NativeLanguage, Integer(s.nativeLanguage));
            else
                QVERIFY(Chara.NativeLanguage == 2 || Chara.NativeLanguage == 3);
            QVERIFY(Chara.Age >= s.ageBase && Chara.Age <= s.ageBase + s.ageBase / 15 * 10);
        }
        QCOMPARE(Chara.SkillLevel, skills);
        QCOMPARE(Chara.ExpTotal, exp);
        for (int i = 0; i < SkillCount; ++i)
            QCOMPARE(Chara.BirthSkillLevel[size_t(i)], Integer(skills[size_t(i)]));
        QCOMPARE(Chara.BirthGeneralSkill, race == RaceDwarf ? QStringLiteral("クラフトマン") : QString());
        QCOMPARE(Chara.BirthGeneralSkillLevel, Integer(race == RaceDwarf ? 5 : 0));
        QVERIFY(Chara.Gold % mul == 0 && Chara.Gold / mul >= 2 && Chara.Gold / mul <= 12);
        QCOMPARE(formEquip()->TextGold->text(), QString::number(Chara.Gold));
        QCOMPARE(b->TextAge->text(), QString::number(Chara.Age));

        // Sex and name are generated and left open to the next roll.
        QVERIFY(Chara.Sex <= 1);
        QCOMPARE(b->ComboSex->listIndex(), int(Chara.Sex));
        sawBothSexes[Chara.Sex] = true;
        const auto &names = FirstNames[Chara.Sex];
        QVERIFY2(std::find(names.begin(), names.end(), Chara.Name) != names.end(), qPrintable(Chara.Name));
        QCOMPARE(b->TextChara[0]->text(), Chara.Name);
        QCOMPARE(ProfileLock, (std::array<Byte, 6>{}));

        if (race == RaceElf)
            QCOMPARE(Chara.God, godBefore);
        else
            QVERIFY(Chara.God <= 5);

        QVERIFY(Chara.Ambidextrous <= 1);
        sawAmbidextrous = sawAmbidextrous || Chara.Ambidextrous == 1;
        QCOMPARE(formEquip()->LabelArm[0]->caption(), QStringLiteral("利腕"));
        QCOMPARE(formEquip()->LabelArm[1]->caption(), ArmLabel(1, Chara.Ambidextrous == 1));

        // Generation ends in the recomputation, copied into the working copy.
        QCOMPARE(Chara.BaseTotal, BaseTotalOf(Chara.BaseValue));
        QVERIFY(CharaWork == Chara);
    }
    QVERIFY(sawBothSexes[0] && sawBothSexes[1]);
    QVERIFY(sawAmbidextrous); // 1 in 36: missing in 400 rolls is about 1 in 80000
    KTimer::drainPending();
}

QTEST_MAIN(TestAbilityWindow)
#include "test_ability_window.moc"

// The skills window in-process: which actions ask the equipment and
// languages windows to refresh (timers the scripted driver runs away
// before a script could look at them).
#include <QtTest>

#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "shell/chara_record.h"
#include "shell/controls.h"
#include "shell/ui_seam.h"
#include "skills/form_exp.h"

namespace {

enum Action {
    ScrollLevel,
    TotalModeCombo,
    ChooseSkill,
    TypedExperience,
    RefusedExperience,
    DeleteRow,
    ResetSkills,
    Refresh,
    GeneralLevel,
    GeneralPoints,
};

} // namespace

class TestSkillsWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void refreshRequests_data();
    void refreshRequests();

private:
    int m_beeps = 0;
};

void TestSkillsWindow::initTestCase()
{
    uiHooks().beep = [this] { ++m_beeps; };
    formEquip();
    formLang();
    formExp();
    KTimer::drainPending();
}

void TestSkillsWindow::refreshRequests_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<bool>("requested");
    QTest::addColumn<int>("beeps");
    QTest::newRow("level by the bar") << int(ScrollLevel) << true << 0;
    QTest::newRow("level by the combo") << int(TotalModeCombo) << true << 0;
    QTest::newRow("skill chosen") << int(ChooseSkill) << true << 0;
    QTest::newRow("held experience typed") << int(TypedExperience) << true << 0;
    QTest::newRow("held experience refused") << int(RefusedExperience) << false << 1;
    QTest::newRow("row deleted") << int(DeleteRow) << true << 0;
    QTest::newRow("reset") << int(ResetSkills) << true << 0;
    QTest::newRow("own refresh") << int(Refresh) << true << 0;
    QTest::newRow("general level") << int(GeneralLevel) << false << 0;
    QTest::newRow("general points typed") << int(GeneralPoints) << false << 0;
}

void TestSkillsWindow::refreshRequests()
{
    QFETCH(int, action);
    QFETCH(bool, requested);
    QFETCH(int, beeps);

    CharaRecord rec;
    rec.ExpTotal = 100000;
    rec.GeneralSkillPoints = 5;
    Chara = rec;
    FormExp *f = formExp();
    f->ComboSkill->setListIndex(0);
    f->TimerReset->setEnabled(true);
    KTimer::drainPending();
    f->HScrollLv->setValue(2); // ファイター 2, so the list has a row
    f->ListSkill->userSelect(0);
    if (action == TotalModeCombo)
        f->LabelExpS->click();
    if (action == GeneralLevel || action == GeneralPoints) {
        f->LabelSType->click();
        f->ComboNSkill->userSelect(2);
    }
    KTimer::drainPending();
    QVERIFY(!formEquip()->TimerReset->enabled());
    QVERIFY(!formLang()->TimerReset->enabled());
    const int beepsBefore = m_beeps;

    switch (action) {
    case ScrollLevel: f->HScrollLv->setValue(3); break;
    case TotalModeCombo: f->ComboLevel->userSelect(15); break;
    case ChooseSkill: f->ComboSkill->userSelect(4); break;
    case TypedExperience:
        f->TextExp->typeText(QStringLiteral("500"));
        f->TextExp->pressKey(QChar(13));
        break;
    case RefusedExperience:
        f->TextExp->typeText(QStringLiteral("1e20"));
        f->TextExp->pressKey(QChar(13));
        break;
    case DeleteRow: f->CommandDelete->click(); break;
    case ResetSkills: f->CommandReset->click(); break;
    case Refresh: f->TimerReset->fire(); break;
    case GeneralLevel: f->HScrollLv->setValue(1); break;
    case GeneralPoints:
        f->TextExp->typeText(QStringLiteral("7"));
        f->TextExp->pressKey(QChar(13));
        break;
    }

    QCOMPARE(formEquip()->TimerReset->enabled(), requested);
    QCOMPARE(formLang()->TimerReset->enabled(), requested);
    QCOMPARE(m_beeps - beepsBefore, beeps);
    KTimer::drainPending();
}

QTEST_MAIN(TestSkillsWindow)
#include "test_skills_window.moc"

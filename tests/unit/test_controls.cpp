// The controls behave as the windows rely on: change handling from code runs
// at once and only on a change; a person's choice always clicks.
#include "shell/controls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QtTest>

class TestControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comboClicksOnChangeFromCode()
    {
        QWidget w;
        KCombo c(QStringLiteral("ComboX"), &w);
        c.addItems({QStringLiteral("a"), QStringLiteral("b")});
        c.setCurrentIndex(-1);
        QSignalSpy clicks(&c, &KCombo::Click);
        c.setListIndex(1);
        QCOMPARE(clicks.count(), 1);
        c.setListIndex(1); // unchanged: no handling
        QCOMPARE(clicks.count(), 1);
        c.userSelect(1); // a person picking the same entry still clicks
        QCOMPARE(clicks.count(), 2);
        c.setListIndex(-1);
        QCOMPARE(c.listIndex(), -1);
        QCOMPARE(c.text(), QString());
        c.setListIndex(5); // outside the entries: ignored
        QCOMPARE(c.listIndex(), -1);
    }
    void editableComboTypingLeavesNoSelection()
    {
        QWidget w;
        KCombo c(QStringLiteral("ComboN"), &w, true);
        c.addItems({QStringLiteral("マーチャント"), QStringLiteral("クラフトマン")});
        c.setListIndex(0);
        QSignalSpy clicks(&c, &KCombo::Click);
        QSignalSpy changes(&c, &KCombo::Change);
        c.typeText(QStringLiteral("ファーマー"));
        QCOMPARE(changes.count(), 1);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(c.listIndex(), -1);
        QCOMPARE(c.text(), QStringLiteral("ファーマー"));
        // Choosing the entry that was current before the typing selects it again.
        c.setListIndex(0);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(c.text(), QStringLiteral("マーチャント"));
    }
    void listClearIsQuietAndKeepsData()
    {
        QWidget w;
        KList l(QStringLiteral("ListX"), &w);
        QSignalSpy clicks(&l, &KList::Click);
        l.addRow(QStringLiteral("ファイター３"), 0);
        l.addRow(QStringLiteral("シーフ２"), 1);
        QCOMPARE(clicks.count(), 0);
        l.setListIndex(1);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(l.rowData(1), 1);
        QCOMPARE(l.text(), QStringLiteral("シーフ２"));
        l.clearRows();
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(l.listIndex(), -1);
        QCOMPARE(l.text(), QString());
    }
    void checkBoxPersonClickSkipsGrey_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::newRow("clear to checked") << 0 << 1;
        QTest::newRow("checked to clear") << 1 << 0;
        QTest::newRow("grey to clear") << 2 << 0;
    }
    void checkBoxPersonClickSkipsGrey()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QWidget w;
        KCheck c(QStringLiteral("CheckX"), QStringLiteral("会話"), &w);
        c.setValue(from);
        QSignalSpy clicks(&c, &KCheck::Click);
        c.click();
        QCOMPARE(c.value(), to);
        QCOMPARE(clicks.count(), 1);
    }
    void scrollRangeMovesValueAndRunsChange()
    {
        QWidget w;
        KScroll s(QStringLiteral("HScrollX"), &w);
        s.setMax(20);
        s.setValue(15);
        QSignalSpy changes(&s, &KScroll::Change);
        s.setMax(10); // clamps the value: the change handling runs
        QCOMPARE(s.value(), 10);
        QCOMPARE(changes.count(), 1);
        s.setMin(12); // a minimum above the maximum lifts both
        QCOMPARE(s.minimum(), 12);
        QCOMPARE(s.maximum(), 12);
        QCOMPARE(s.value(), 12);
        QCOMPARE(changes.count(), 2);
    }
    void multiLineTextKeepsCrLf()
    {
        QWidget w;
        KText t(QStringLiteral("TextSheet"), &w, true);
        const QString sheet = QStringLiteral("一行目\r\n二行目\r\n");
        t.setText(sheet);
        QCOMPARE(t.text(), sheet);
        QCOMPARE(t.plainEdit()->toPlainText(), QStringLiteral("一行目\n二行目\n"));
    }
    void textKeyPressComesBeforeTheKey()
    {
        QWidget w;
        KText t(QStringLiteral("TextAge"), &w);
        QString seenAtKeyPress;
        connect(&t, &KText::KeyPress, &t, [&](int) { seenAtKeyPress = t.text(); });
        QSignalSpy changes(&t, &KText::Change);
        t.typeText(QStringLiteral("2"));
        t.pressKey(QLatin1Char('0'));
        QCOMPARE(seenAtKeyPress, QStringLiteral("2"));
        QCOMPARE(t.text(), QStringLiteral("20"));
        t.pressKey(QChar(13)); // Enter reaches the handler and leaves the text alone
        QCOMPARE(t.text(), QStringLiteral("20"));
        QCOMPARE(changes.count(), 2);
        t.typeText(QStringLiteral("20")); // a person retyping the same text still changes it
        QCOMPARE(changes.count(), 3);
        t.setText(QStringLiteral("20")); // from code: unchanged, no handling
        QCOMPARE(changes.count(), 3);
    }
    void desktopInputReachesTheHandlers()
    {
        // The driver calls the controls directly; a person's keys and clicks
        // go through Qt's events and must arrive at the same handling.
        QWidget w;
        KText t(QStringLiteral("TextAge"), &w);
        KLabel l(QStringLiteral("LabelSType"), QStringLiteral("冒険者技能"), &w);
        l.setGeometry(0, 40, 100, 20);
        w.show();
        QList<int> keys;
        QStringList textsAtKey;
        connect(&t, &KText::KeyPress, &t, [&](int k) {
            keys << k;
            textsAtKey << t.text();
        });
        QSignalSpy changes(&t, &KText::Change);
        QTest::keyClicks(t.lineEdit(), QStringLiteral("12"));
        QTest::keyClick(t.lineEdit(), Qt::Key_Return);
        QCOMPARE(keys, (QList<int>{'1', '2', 13}));
        // The key is seen before it edits the text, as the handlers expect.
        QCOMPARE(textsAtKey, (QStringList{QString(), QStringLiteral("1"), QStringLiteral("12")}));
        QCOMPARE(changes.count(), 2);
        QCOMPARE(t.text(), QStringLiteral("12"));

        QSignalSpy clicks(&l, &KLabel::Click);
        QTest::mouseClick(&l, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
    }
    void labelChangeOnlyOnNewCaption()
    {
        QWidget w;
        KLabel l(QStringLiteral("LabelX"), QStringLiteral("利腕"), &w);
        QSignalSpy changes(&l, &KLabel::Change);
        l.setCaption(QStringLiteral("利腕"));
        QCOMPARE(changes.count(), 0);
        l.setCaption(QStringLiteral("逆腕"));
        QCOMPARE(changes.count(), 1);
    }
    void timersFireInTheOrderTheyWereEnabled()
    {
        QObject owner;
        KTimer a(QStringLiteral("TimerA"), &owner);
        KTimer b(QStringLiteral("TimerB"), &owner);
        QStringList order;
        connect(&a, &KTimer::Timer, &owner, [&] { a.setEnabled(false); order << "a"; });
        connect(&b, &KTimer::Timer, &owner, [&] { b.setEnabled(false); order << "b"; });
        b.setEnabled(true);
        a.setEnabled(true);
        b.setEnabled(true); // already pending: keeps its place
        while (KTimer *t = KTimer::firstPending())
            t->fire();
        QCOMPARE(order, (QStringList{"b", "a"}));
    }
    void twipsRoundTrip()
    {
        QCOMPARE(Tw(7320), 488);
        QCOMPARE(ToTwips(Tw(7320)), 7320);
        QCOMPARE(ToTwips(Tw(6475)), 6480); // 431.67 pixels round to 432
    }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"

// The driver's line splitting and value escaping.
#include "script_driver.h"

#include <QtTest>

class TestScriptDriver : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void splitArgs_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("ok");
        QTest::newRow("blanks separate") << "type  FormBase.TextAge\t20" << QStringList{"type", "FormBase.TextAge", "20"} << true;
        QTest::newRow("quoted blanks") << "type X \"a b\"" << QStringList{"type", "X", "a b"} << true;
        QTest::newRow("empty quoted") << "expect X \"\"" << QStringList{"expect", "X", ""} << true;
        QTest::newRow("escapes inside quotes") << "expect X \"a\\rb\\nc\\td\\\\e\\\"f\""
                                               << QStringList{"expect", "X", QStringLiteral("a\rb\nc\td\\e\"f")} << true;
        QTest::newRow("backslash outside quotes stays") << "expect X a\\rb" << QStringList{"expect", "X", "a\\rb"} << true;
        QTest::newRow("japanese") << "expect FormBase.caption 基本設定" << QStringList{"expect", "FormBase.caption", "基本設定"} << true;
        QTest::newRow("unterminated quote") << "type X \"abc" << QStringList{"type", "X", "abc"} << false;
        QTest::newRow("trailing blanks") << "click A.B   " << QStringList{"click", "A.B"} << true;
    }
    void splitArgs()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, args);
        QFETCH(bool, ok);
        bool gotOk = true;
        QCOMPARE(ScriptDriver::splitArgs(line, gotOk), args);
        QCOMPARE(gotOk, ok);
    }
    void quotedFlags()
    {
        bool ok = true;
        QList<bool> quoted;
        ScriptDriver::splitArgs("key X \"enter\"", ok, &quoted);
        QCOMPARE(quoted, (QList<bool>{false, false, true}));
    }
    void escape_data()
    {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("printed");
        QTest::newRow("crlf") << QStringLiteral("a\r\nb") << "a\\r\\nb";
        QTest::newRow("tab and backslash") << QStringLiteral("a\t\\") << "a\\t\\\\";
        QTest::newRow("plain") << QStringLiteral("サンプル") << QStringLiteral("サンプル");
    }
    void escape()
    {
        QFETCH(QString, raw);
        QFETCH(QString, printed);
        QCOMPARE(ScriptDriver::escape(raw), printed);
    }
};

QTEST_GUILESS_MAIN(TestScriptDriver)
#include "test_script_driver.moc"

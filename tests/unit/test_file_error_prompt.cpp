// The file error prompt: its texts per code and what each answer means.
#include <QtTest>

#include "shell/file_error_prompt.h"
#include "shell/ui_seam.h"

namespace {
struct ProgramEnded {};
}

class TestFileErrorPrompt : public QObject {
    Q_OBJECT

    int boxes = 0;
    MsgButtons lastButtons = MsgButtons::Ok;
    MsgIcon lastIcon = MsgIcon::Information;
    QString lastTitle, lastText;

    void answerWith(MsgAnswer answer)
    {
        uiHooks().message = [this, answer](const QString &title, const QString &text, MsgButtons b, MsgIcon i) {
            ++boxes;
            lastTitle = title;
            lastText = text;
            lastButtons = b;
            lastIcon = i;
            return answer;
        };
    }

private Q_SLOTS:
    void init()
    {
        boxes = 0;
        uiHooks().end = [] { throw ProgramEnded{}; };
    }
    void cleanup() { uiHooks() = UiHooks{}; }

    void text_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        const QString p = QStringLiteral("/app/Characters/KTC01-01.ktc");
        const QString retry = QStringLiteral("\r再試行しますか？");
        QTest::newRow("53 file not found") << 53 << QStringLiteral("ファイルエラー")
                                           << QStringLiteral("ファイルまたはパス(") + p + QStringLiteral(")が見つかりません。") + retry;
        QTest::newRow("76 path not found") << 76 << QStringLiteral("ファイルエラー")
                                           << QStringLiteral("ファイルまたはパス(") + p + QStringLiteral(")が見つかりません。") + retry;
        QTest::newRow("68 device unavailable") << 68 << QStringLiteral("ドライブエラー")
                                               << QStringLiteral("ファイル(") + p + QStringLiteral(")のドライブが有効でありません。") + retry;
        QTest::newRow("71 disk not ready") << 71 << QStringLiteral("ドライブエラー")
                                           << QStringLiteral("ファイル(") + p + QStringLiteral(")のドライブが有効でありません。") + retry;
        QTest::newRow("70 permission denied") << 70 << QStringLiteral("ファイルエラー")
                                              << QStringLiteral("ファイル(") + p + QStringLiteral(")の書き込み権限がありません。") + retry;
        QTest::newRow("75 path or file access") << 75 << QStringLiteral("パスエラー")
                                                << QStringLiteral("ファイル(") + p + QStringLiteral(")のパスが無効です。") + retry;
        QTest::newRow("52 not open: no path") << 52 << QStringLiteral("修正不能のエラー")
                                              << QStringLiteral("予期せぬエラー(52)が発生しました。\r続行しますか？");
        QTest::newRow("61 disk full") << 61 << QStringLiteral("修正不能のエラー")
                                      << QStringLiteral("予期せぬエラー(61)が発生しました。\r続行しますか？");
        QTest::newRow("negative code") << -5 << QStringLiteral("修正不能のエラー")
                                       << QStringLiteral("予期せぬエラー(-5)が発生しました。\r続行しますか？");
    }
    void text()
    {
        QFETCH(int, code);
        QFETCH(QString, title);
        QFETCH(QString, text);
        const PromptText t = FileErrorPromptText(QStringLiteral("/app/Characters/KTC01-01.ktc"), code);
        QCOMPARE(t.title, title);
        QCOMPARE(t.text, text);
        QCOMPARE(t.text.count(QChar(13)), 1);
    }

    void answers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<bool>("result");
        for (int code : {53, 68, 70, 71, 75, 76}) {
            QTest::addRow("%d yes retries", code) << code << true << false << false;
            QTest::addRow("%d no skips", code) << code << false << false << true;
        }
        for (int code : {52, 57, 61, 0}) {
            QTest::addRow("%d yes continues", code) << code << true << false << true;
            QTest::addRow("%d no ends the program", code) << code << false << true << false;
        }
    }
    void answers()
    {
        QFETCH(int, code);
        QFETCH(bool, yes);
        QFETCH(bool, ends);
        QFETCH(bool, result);
        answerWith(yes ? MsgAnswer::Yes : MsgAnswer::No);
        const QString path = QStringLiteral("C:/x/KTC01-01.ktc");
        bool ended = false;
        bool got = false;
        try {
            got = FileErrorPrompt(path, code);
        } catch (const ProgramEnded &) {
            ended = true;
        }
        QCOMPARE(boxes, 1);
        QCOMPARE(ended, ends);
        if (!ends)
            QCOMPARE(got, result);
        QVERIFY(lastButtons == MsgButtons::YesNo);
        QVERIFY(lastIcon == MsgIcon::Exclamation);
        const PromptText t = FileErrorPromptText(path, code);
        QCOMPARE(lastTitle, t.title);
        QCOMPARE(lastText, t.text);
    }
};

QTEST_GUILESS_MAIN(TestFileErrorPrompt)
#include "test_file_error_prompt.moc"

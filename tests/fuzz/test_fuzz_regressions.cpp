// Replays the fuzzer's kept inputs on every build, with or without clang:
// every input that ever broke the character file reader (regressions/) and
// the seed corpus of files the program wrote (corpus/).
#include <QtTest>

#include "chara_file_properties.h"
#include "shell/chara_file.h"
#include "shell/chara_record.h"

namespace {

QByteArray FileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList Inputs(const QString &folder)
{
    QStringList paths;
    const QDir dir(QStringLiteral(KTCMT_FUZZ_DIR "/") + folder);
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
        if (name != QLatin1String("README"))
            paths << dir.filePath(name);
    }
    return paths;
}

void AddInputRows(const QString &folder)
{
    QTest::addColumn<QString>("path");
    const QStringList paths = Inputs(folder);
    // A folder that went missing must not pass as "nothing to replay".
    QVERIFY2(!paths.isEmpty(), qPrintable(folder + QStringLiteral(" holds no inputs")));
    for (const QString &path : paths)
        QTest::newRow(qPrintable(QFileInfo(path).fileName())) << path;
}

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void regressions_data() { AddInputRows(QStringLiteral("regressions")); }
    void regressions()
    {
        QFETCH(QString, path);
        QCOMPARE(CharaFileFault(FileBytes(path)), QString());
    }

    // The seeds are whole files the program wrote: they read complete and
    // are written back byte for byte, besides every promise above.
    void corpus_data() { AddInputRows(QStringLiteral("corpus")); }
    void corpus()
    {
        QFETCH(QString, path);
        const QByteArray bytes = FileBytes(path);
        QCOMPARE(CharaFileFault(bytes), QString());
        CharaRecord rec;
        QVERIFY(RecordFromBytes(bytes, rec));
        QVERIFY(RecordToBytes(rec) == bytes);
    }
};

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "test_fuzz_regressions.moc"

#include "shell/app.h"

#include "shell/forms.h"
#include "shell/mdi_form_kt.h"

#include <QApplication>
#include <QFont>

namespace {
QString &folderOverride()
{
    static QString f;
    return f;
}
}

QString ProgramFolder()
{
    if (!folderOverride().isEmpty())
        return folderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolder(const QString &folder)
{
    folderOverride() = folder;
}

void InstallFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("ＭＳ ゴシック"), {QStringLiteral("IPAGothic"), QStringLiteral("IPAゴシック")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"), {QStringLiteral("IPAPGothic"), QStringLiteral("IPA Pゴシック")});
    QFont::insertSubstitutions(QStringLiteral("ＭＳ 明朝"), {QStringLiteral("IPAMincho"), QStringLiteral("IPA明朝")});
}

void StartProgram()
{
    InstallFontSubstitutes();
    mdiFormKT()->MDIForm_Load();
}

int RunKtcmt(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KTCMT"));
    QApplication::setApplicationVersion(QStringLiteral(KTCMT_VERSION));
    StartProgram();
    return app.exec();
}

#include "shell/file_error_prompt.h"

#include "shell/ui_seam.h"

namespace {

const QChar LineBreak(13);

bool IsKnownCode(int code)
{
    switch (code) {
    case 53: case 68: case 70: case 71: case 75: case 76:
        return true;
    default:
        return false;
    }
}

} // namespace

PromptText FileErrorPromptText(const QString &path, int code)
{
    const QString retry = QStringLiteral("再試行しますか？");
    switch (code) {
    case 53:
    case 76:
        return {QStringLiteral("ファイルエラー"),
                QStringLiteral("ファイルまたはパス(") + path + QStringLiteral(")が見つかりません。") + LineBreak + retry};
    case 68:
    case 71:
        return {QStringLiteral("ドライブエラー"),
                QStringLiteral("ファイル(") + path + QStringLiteral(")のドライブが有効でありません。") + LineBreak + retry};
    case 70:
        return {QStringLiteral("ファイルエラー"),
                QStringLiteral("ファイル(") + path + QStringLiteral(")の書き込み権限がありません。") + LineBreak + retry};
    case 75:
        return {QStringLiteral("パスエラー"),
                QStringLiteral("ファイル(") + path + QStringLiteral(")のパスが無効です。") + LineBreak + retry};
    default:
        // The path is deliberately left out: the failure is not about the file.
        return {QStringLiteral("修正不能のエラー"),
                QStringLiteral("予期せぬエラー(") + QString::number(code) + QStringLiteral(")が発生しました。") + LineBreak
                    + QStringLiteral("続行しますか？")};
    }
}

bool FileErrorPrompt(const QString &path, int code)
{
    const PromptText t = FileErrorPromptText(path, code);
    const bool yes = ShowMessage(t.title, t.text, MsgButtons::YesNo, MsgIcon::Exclamation) == MsgAnswer::Yes;
    if (IsKnownCode(code))
        return !yes; // はい tries the step again, いいえ skips it
    if (yes)
        return true; // carry on with the next step
    EndProgram();
}

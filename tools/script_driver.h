// Runs a script against the real program: one command a line, the event
// loop drained after each, every message box and beep recorded.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QObject;
class QWidget;

class ScriptDriver {
public:
    enum Exit { Ok = 0, ExpectFailed = 1, ScriptError = 2, ProgramEnded = 3 };

    ScriptDriver();
    // Runs every line of the script; returns the exit status.
    int run(const QStringList &lines);
    // Runs pending one-shot timers and posted events until none are left.
    static void drain();

    // Splits a script line into arguments (blanks separate; double quotes
    // with \" \\ \r \n \t inside). Sets ok false for an unterminated quote.
    static QStringList splitArgs(const QString &line, bool &ok, QList<bool> *quoted = nullptr);
    // A value as the driver prints it: CR, LF, tab and backslash escaped.
    static QString escape(const QString &v);

    // The value print would show for target, without printing it; false
    // (with the reason in error) for a target the driver does not know.
    bool value(const QString &target, QString &out, QString *error = nullptr);
    // Chooses the answer ("ok", "yes" or "no") to a message box that no
    // queued answer is left for; unset, such a box fails the script.
    std::function<QString(bool yesNo, const QString &title, const QString &text)> answerUnqueued;
    // The same for a save (print false) or print dialog: the argument of a
    // save or printer line ("cancel", or a path and for save a file type
    // below fileTypes).
    std::function<QStringList(bool print, int fileTypes)> dialogUnqueued;

private:
    void execute(const QStringList &args, const QList<bool> &quoted);
    QString valueOf(const QString &target);
    QObject *control(const QString &form, const QString &name, QWidget **formOut = nullptr);
    QString controlProperty(QWidget *form, QObject *ctl, const QString &prop);
    QString windowProperty(QWidget *form, const QString &formName, const QString &prop);
    QString recordValue(const QString &rec, const QString &field);
    QString globalValue(const QString &name);
    QString filesValue(const QString &what, const QString &prop = QString());
    void out(const QString &line);

    int m_line = 0;
    QStringList m_answers;
    int m_beeps = 0;
    // The last message box as printed, without its answer.
    QString m_lastBox;
    // Answers for the next save dialogs: the path as the script gave it and
    // as resolved, and the file type; cancel when the path is empty.
    struct SaveAnswer {
        QString given, path;
        int filter = 0;
    };
    QList<SaveAnswer> m_saves;
    // Answers for the next print dialogs: a PDF file to print into, or
    // cancel when the path is empty.
    QList<SaveAnswer> m_printers;
};

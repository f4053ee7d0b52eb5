// The program's controls: thin Qt widgets that behave the way the windows
// rely on. Setting a value from code runs the control's change handling at
// once (nested); the handling signals are Click (selection or state) and
// Change (text, caption or value).
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

// Twips (1/1440 inch) to pixels: 15 twips a pixel at 96 dpi, scaled for the screen.
int Tw(int twips);
int ToTwips(int pixels);
// Places a control in its window's client area; all four in twips.
void Place(QWidget *w, int left, int top, int width, int height);
// objectName of a control-array element: "TextAb(3)".
QString ArrayName(const QString &name, int index);
// Handler runs so far: every Click, Change, KeyPress, PathChange and Timer
// emission of these controls and every button click counts one, so that the
// chain of handling one user action starts can be measured and bounded.
quint64 HandlerRuns();

class KLabel : public QLabel {
    Q_OBJECT
public:
    explicit KLabel(const QString &name, const QString &caption, QWidget *parent);
    QString caption() const { return text(); }
    void setCaption(const QString &c); // runs Change when the caption changes
    void setBorder(bool on);
    void click() { Q_EMIT Click(); }
Q_SIGNALS:
    void Click();
    void Change();
protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
};

class KButton : public QPushButton {
    Q_OBJECT
public:
    explicit KButton(const QString &name, const QString &caption, QWidget *parent);
};

// A text box, single- or multi-line. text() is the text exactly as set from
// code or as typed (line breaks of typed text are CR LF).
class KText : public QWidget {
    Q_OBJECT
public:
    KText(const QString &name, QWidget *parent, bool multiLine = false);
    QString text() const;
    void setText(const QString &t); // from code: Change when the text differs
    void typeText(const QString &t); // a person replacing the text: Change always
    // From code, where the handling must run even for an unchanged text.
    void setTextAlways(const QString &t) { typeText(t); }
    void pressKey(QChar c);          // a person's key press: KeyPress, then the key edits the text
    bool multiLine() const { return m_multi; }
    QLineEdit *lineEdit() const { return m_line; }
    QPlainTextEdit *plainEdit() const { return m_plain; }
    void setReadOnly(bool ro);
Q_SIGNALS:
    void Change();
    void KeyPress(int keyAscii);
protected:
    bool eventFilter(QObject *o, QEvent *e) override;
private:
    void editedByUser();
    bool m_multi;
    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_plain = nullptr;
    QString m_text;
    bool m_settingFromCode = false;
};

// Drop-down list, or an editable combo (typing leaves no entry selected).
class KCombo : public QComboBox {
    Q_OBJECT
public:
    KCombo(const QString &name, QWidget *parent, bool editable = false);
    int listIndex() const;
    void setListIndex(int i); // from code: Click when the selection changes
    void userSelect(int i);   // a person's choice: Click always
    // From code, where the handling must run even for an unchanged selection.
    void setListIndexAlways(int i) { userSelect(i); }
    QString text() const;
    void setEditTextFromCode(const QString &t); // Change when it differs
    void typeText(const QString &t);            // a person typing: Change always
    int itemDataInt(int i) const { return itemData(i).toInt(); }
    void showPopup() override;
Q_SIGNALS:
    void Click();
    void Change();
private:
    int m_typedIndexLock = 0;
    bool m_clickedByChange = false;
    int m_listIndex = -1; // editable combos only
};

class KList : public QListWidget {
    Q_OBJECT
public:
    KList(const QString &name, QWidget *parent);
    int listIndex() const { return currentRow(); }
    void setListIndex(int i); // from code: Click when the selection changes
    void userSelect(int i);   // a person's click on a row: Click always
    void addRow(const QString &text, int data = 0);
    void clearRows(); // no Click
    int rowData(int i) const;
    QString text() const;
Q_SIGNALS:
    void Click();
protected:
    void focusInEvent(QFocusEvent *e) override;
private:
    bool m_quiet = false;
};

// A file list: the names in one folder matching a pattern ("*.ktc",
// "*.bmp;*.jpg"), sorted by name.
class KFileList : public KList {
    Q_OBJECT
public:
    KFileList(const QString &name, const QString &pattern, QWidget *parent);
    QString path() const { return m_path; }
    void setPath(const QString &folder); // PathChange when the folder changes
    void refresh();
    QString fileName() const; // the selected entry, "" when none
Q_SIGNALS:
    void PathChange();
private:
    QString m_path;
    QStringList m_patterns;
};

// A tristate check box: 0 clear, 1 checked, 2 grey. A person's click goes
// from clear to checked and from checked or grey to clear.
class KCheck : public QCheckBox {
    Q_OBJECT
public:
    KCheck(const QString &name, const QString &caption, QWidget *parent);
    int value() const;
    void setValue(int v); // from code: Click when the state changes
Q_SIGNALS:
    void Click();
protected:
    void nextCheckState() override;
};

class KScroll : public QScrollBar {
    Q_OBJECT
public:
    KScroll(const QString &name, QWidget *parent);
    void setMin(int v); // each may move the value and so run Change
    void setMax(int v);
    void setValueFromCode(int v) { setValue(v); }
Q_SIGNALS:
    void Change();
};

// A picture area that stretches its picture; a click is an event of its own.
class KPicture : public QLabel {
    Q_OBJECT
public:
    KPicture(const QString &name, QWidget *parent);
    QString picturePath() const { return m_path; }
    void setPicture(const QString &path, const QImage &img);
    void clearPicture();
    void click() { Q_EMIT Click(); }
Q_SIGNALS:
    void Click();
protected:
    void mouseReleaseEvent(QMouseEvent *e) override;
private:
    QString m_path;
    QImage m_image;
};

// One-shot refresh timer (1 ms). Enabling it asks for one run of its handler
// after the current event; the handler disables it first.
class KTimer : public QObject {
    Q_OBJECT
public:
    KTimer(const QString &name, QObject *parent);
    ~KTimer() override;
    void setEnabled(bool on);
    bool enabled() const { return m_timer.isActive(); }
    void fire(); // runs the tick now (used to drain pending ticks deterministically)
    // The pending timer that was enabled first, or null.
    static KTimer *firstPending();
    // Fires the pending ticks oldest first, as the event loop would, until
    // none is left or limit have fired; true when none is left.
    static bool drainPending(int limit = 1000);
Q_SIGNALS:
    void Timer();
private:
    QTimer m_timer;
    quint64 m_serial = 0;
};

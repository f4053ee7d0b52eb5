#include "shell/controls.h"

#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace {
double screenScale()
{
    static const double scale = [] {
        const QScreen *s = QGuiApplication::primaryScreen();
        const double dpi = s ? s->logicalDotsPerInchX() : 96.0;
        return dpi > 0 ? dpi / 96.0 : 1.0;
    }();
    return scale;
}
}

int Tw(int twips)
{
    return int(std::lround(twips / 15.0 * screenScale()));
}

int ToTwips(int pixels)
{
    return int(std::lround(pixels * 15.0 / screenScale()));
}

void Place(QWidget *w, int left, int top, int width, int height)
{
    w->setGeometry(Tw(left), Tw(top), Tw(width), Tw(height));
}

QString ArrayName(const QString &name, int index)
{
    return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

namespace {
quint64 handlerRuns = 0;
// Connected first, so it counts before the window's own handler runs.
void countRun()
{
    ++handlerRuns;
}
}

quint64 HandlerRuns()
{
    return handlerRuns;
}

// ---------------------------------------------------------------- KLabel

KLabel::KLabel(const QString &name, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(name);
    connect(this, &KLabel::Click, this, countRun);
    connect(this, &KLabel::Change, this, countRun);
}

void KLabel::setCaption(const QString &c)
{
    if (c == text())
        return;
    setText(c);
    Q_EMIT Change();
}

void KLabel::setBorder(bool on)
{
    setFrameStyle(on ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
}

void KLabel::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT Click();
}

// ---------------------------------------------------------------- KButton

KButton::KButton(const QString &name, const QString &caption, QWidget *parent)
    : QPushButton(caption, parent)
{
    setObjectName(name);
    connect(this, &QPushButton::clicked, this, countRun);
    setAutoDefault(false);
}

// ---------------------------------------------------------------- KText

KText::KText(const QString &name, QWidget *parent, bool multiLine)
    : QWidget(parent), m_multi(multiLine)
{
    setObjectName(name);
    connect(this, &KText::Change, this, countRun);
    connect(this, &KText::KeyPress, this, countRun);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    if (m_multi) {
        m_plain = new QPlainTextEdit(this);
        m_plain->setObjectName(QString()); // only the box itself carries the name
        lay->addWidget(m_plain);
        setFocusProxy(m_plain);
        m_plain->installEventFilter(this);
        connect(m_plain, &QPlainTextEdit::textChanged, this, [this] {
            if (!m_settingFromCode)
                editedByUser();
        });
    } else {
        m_line = new QLineEdit(this);
        lay->addWidget(m_line);
        setFocusProxy(m_line);
        m_line->installEventFilter(this);
        connect(m_line, &QLineEdit::textEdited, this, [this] { editedByUser(); });
    }
}

QString KText::text() const
{
    return m_text;
}

void KText::setText(const QString &t)
{
    if (t == m_text)
        return;
    typeText(t);
}

void KText::typeText(const QString &t)
{
    m_text = t;
    m_settingFromCode = true;
    if (m_multi) {
        // The editor keeps plain line feeds; the box's text keeps what was set.
        QString shown = t;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        m_plain->setPlainText(shown);
    } else {
        m_line->setText(t);
    }
    m_settingFromCode = false;
    Q_EMIT Change();
}

void KText::editedByUser()
{
    if (m_multi)
        m_text = m_plain->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    else
        m_text = m_line->text();
    Q_EMIT Change();
}

void KText::pressKey(QChar c)
{
    Q_EMIT KeyPress(c.unicode());
    if (c == QChar(13)) {
        if (m_multi && !m_plain->isReadOnly())
            typeText(m_text + QLatin1String("\r\n"));
        return;
    }
    if ((m_line && m_line->isReadOnly()) || (m_plain && m_plain->isReadOnly()))
        return;
    typeText(m_text + c);
}

void KText::setReadOnly(bool ro)
{
    if (m_line)
        m_line->setReadOnly(ro);
    if (m_plain)
        m_plain->setReadOnly(ro);
}

bool KText::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::KeyPress) {
        auto *ke = static_cast<QKeyEvent *>(e);
        if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) {
            Q_EMIT KeyPress(13);
        } else if (!ke->text().isEmpty() && ke->text().at(0).isPrint()) {
            Q_EMIT KeyPress(ke->text().at(0).unicode());
        }
    }
    return QWidget::eventFilter(o, e);
}

// ---------------------------------------------------------------- KCombo

KCombo::KCombo(const QString &name, QWidget *parent, bool editable)
    : QComboBox(parent)
{
    setObjectName(name);
    connect(this, &KCombo::Click, this, countRun);
    connect(this, &KCombo::Change, this, countRun);
    setEditable(editable);
    setInsertPolicy(QComboBox::NoInsert);
    setMaxVisibleItems(21);
    connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (m_typedIndexLock)
            return;
        m_listIndex = i;
        m_clickedByChange = true;
        Q_EMIT Click();
    });
    // A person picking the entry that is already selected still clicks it.
    connect(this, &QComboBox::activated, this, [this](int) {
        if (!m_clickedByChange)
            Q_EMIT Click();
        m_clickedByChange = false;
    });
    if (editable) {
        // The typed text is the name as it stands: no completion behind the user's back.
        setCompleter(nullptr);
        connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString &) {
            m_listIndex = -1;
            Q_EMIT Change();
        });
    }
}

void KCombo::showPopup()
{
    m_clickedByChange = false;
    QComboBox::showPopup();
}

int KCombo::listIndex() const
{
    return isEditable() ? m_listIndex : currentIndex();
}

void KCombo::setListIndex(int i)
{
    if (i < -1 || i >= count())
        return;
    if (isEditable()) {
        if (i == m_listIndex)
            return;
        if (i == currentIndex()) {
            // The entry is current in the editor already: only the selection changes.
            m_listIndex = i;
            setEditText(itemText(i));
            Q_EMIT Click();
            return;
        }
    }
    setCurrentIndex(i); // Click runs through currentIndexChanged when it changes
}

void KCombo::userSelect(int i)
{
    const int before = listIndex();
    setListIndex(i);
    if (before == i && i >= 0)
        Q_EMIT Click();
    m_clickedByChange = false;
}

QString KCombo::text() const
{
    if (isEditable())
        return currentText();
    const int i = currentIndex();
    return i >= 0 ? itemText(i) : QString();
}

void KCombo::setEditTextFromCode(const QString &t)
{
    if (t == currentText())
        return;
    typeText(t);
}

void KCombo::typeText(const QString &t)
{
    if (!isEditable())
        return;
    ++m_typedIndexLock;
    lineEdit()->setText(t);
    --m_typedIndexLock;
    m_listIndex = -1;
    Q_EMIT Change();
}

// ---------------------------------------------------------------- KList

KList::KList(const QString &name, QWidget *parent)
    : QListWidget(parent)
{
    setObjectName(name);
    connect(this, &KList::Click, this, countRun);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int) {
        if (!m_quiet)
            Q_EMIT Click();
    });
    // A click on the row that is already selected is still a click.
    connect(this, &QListWidget::itemPressed, this, [this](QListWidgetItem *it) {
        if (row(it) == currentRow() && !m_quiet)
            Q_EMIT Click();
    });
}

void KList::setListIndex(int i)
{
    if (i < -1 || i >= count() || i == currentRow())
        return;
    if (i == -1) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    setCurrentRow(i);
}

void KList::userSelect(int i)
{
    if (i == currentRow() && i >= 0) {
        Q_EMIT Click();
        return;
    }
    setListIndex(i);
}

void KList::focusInEvent(QFocusEvent *e)
{
    // The toolkit makes the first row current when a list with none gains the
    // focus; gaining the focus chooses nothing, so that row is let go again.
    const bool none = currentRow() < 0;
    // Focus may come while a change from code is still quiet: it stays so.
    const bool quiet = m_quiet;
    m_quiet = true;
    QListWidget::focusInEvent(e);
    if (none && currentRow() >= 0)
        setCurrentRow(-1);
    m_quiet = quiet;
}

void KList::addRow(const QString &text, int data)
{
    auto *it = new QListWidgetItem(text);
    it->setData(Qt::UserRole, data);
    m_quiet = true;
    addItem(it);
    m_quiet = false;
}

void KList::clearRows()
{
    m_quiet = true;
    clear();
    m_quiet = false;
}

int KList::rowData(int i) const
{
    const QListWidgetItem *it = item(i);
    return it ? it->data(Qt::UserRole).toInt() : 0;
}

QString KList::text() const
{
    const QListWidgetItem *it = currentItem();
    return it && currentRow() >= 0 ? it->text() : QString();
}

// ---------------------------------------------------------------- KFileList

KFileList::KFileList(const QString &name, const QString &pattern, QWidget *parent)
    : KList(name, parent), m_patterns(pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts))
{
    connect(this, &KFileList::PathChange, this, countRun);
}

void KFileList::setPath(const QString &folder)
{
    if (folder == m_path)
        return;
    m_path = folder;
    refresh();
    Q_EMIT PathChange();
}

void KFileList::refresh()
{
    QDir dir(m_path);
    // Names are matched without regard to case, as the users' files come from Windows.
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
    QStringList matching;
    for (const QString &n : names) {
        for (const QString &p : m_patterns) {
            if (QDir::match(p, n)) {
                matching << n;
                break;
            }
        }
    }
    std::sort(matching.begin(), matching.end(), [](const QString &a, const QString &b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    clearRows();
    for (const QString &n : matching)
        addRow(n);
}

QString KFileList::fileName() const
{
    return text();
}

// ---------------------------------------------------------------- KCheck

KCheck::KCheck(const QString &name, const QString &caption, QWidget *parent)
    : QCheckBox(caption, parent)
{
    setObjectName(name);
    connect(this, &KCheck::Click, this, countRun);
    setTristate(true);
    connect(this, &QCheckBox::stateChanged, this, [this](int) { Q_EMIT Click(); });
}

int KCheck::value() const
{
    switch (checkState()) {
    case Qt::Checked: return 1;
    case Qt::PartiallyChecked: return 2;
    default: return 0;
    }
}

void KCheck::setValue(int v)
{
    const Qt::CheckState s = v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
    if (s != checkState()) // the toolkit repaints even an unchanged state
        setCheckState(s);
}

void KCheck::nextCheckState()
{
    setCheckState(checkState() == Qt::Unchecked ? Qt::Checked : Qt::Unchecked);
}

// ---------------------------------------------------------------- KScroll

KScroll::KScroll(const QString &name, QWidget *parent)
    : QScrollBar(Qt::Horizontal, parent)
{
    setObjectName(name);
    connect(this, &KScroll::Change, this, countRun);
    setRange(0, 0);
    setPageStep(1);
    connect(this, &QScrollBar::valueChanged, this, [this](int) { Q_EMIT Change(); });
}

void KScroll::setMin(int v)
{
    setRange(v, std::max(v, maximum()));
}

void KScroll::setMax(int v)
{
    setRange(std::min(minimum(), v), v);
}

// ---------------------------------------------------------------- KPicture

KPicture::KPicture(const QString &name, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    connect(this, &KPicture::Click, this, countRun);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setScaledContents(true);
}

void KPicture::setPicture(const QString &path, const QImage &img)
{
    m_path = path;
    m_image = img;
    setAutoFillBackground(!img.isNull());
    setPixmap(QPixmap::fromImage(img));
}

void KPicture::clearPicture()
{
    m_path.clear();
    m_image = QImage();
    setAutoFillBackground(false);
    clear();
}

void KPicture::mouseReleaseEvent(QMouseEvent *e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT Click();
}

// ---------------------------------------------------------------- KTimer

namespace {
QList<KTimer *> &allTimers()
{
    static QList<KTimer *> timers;
    return timers;
}
quint64 timerSerial = 0;
}

KTimer::KTimer(const QString &name, QObject *parent)
    : QObject(parent)
{
    setObjectName(name);
    connect(this, &KTimer::Timer, this, countRun);
    m_timer.setSingleShot(true);
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { Q_EMIT Timer(); });
    allTimers().append(this);
}

KTimer::~KTimer()
{
    allTimers().removeOne(this);
}

void KTimer::setEnabled(bool on)
{
    if (on) {
        if (!m_timer.isActive()) {
            m_serial = ++timerSerial;
            m_timer.start();
        }
    } else {
        m_timer.stop();
    }
}

void KTimer::fire()
{
    m_timer.stop();
    Q_EMIT Timer();
}

KTimer *KTimer::firstPending()
{
    KTimer *best = nullptr;
    for (KTimer *t : allTimers()) {
        if (t->m_timer.isActive() && (!best || t->m_serial < best->m_serial))
            best = t;
    }
    return best;
}

bool KTimer::drainPending(int limit)
{
    for (int n = 0; n < limit; ++n) {
        KTimer *t = firstPending();
        if (!t)
            return true;
        t->fire();
    }
    return !firstPending();
}

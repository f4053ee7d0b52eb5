#include "shell/forms.h"

#include "shell/controls.h"
#include "shell/mdi_form_kt.h"

#include "abilities/form_ability.h"
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "portrait/form_port.h"
#include "profile/form_base.h"
#include "sheet/form_text_sheet.h"
#include "skills/form_exp.h"

#include <QCloseEvent>
#include <QMdiArea>

ChildForm::ChildForm(const QString &name, const QString &caption, int widthTw, int heightTw)
    : m_client(new QWidget), m_widthTw(widthTw), m_heightTw(heightTw)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    m_client->setObjectName(name + QStringLiteral("_client"));
    setWidget(m_client);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    resize(Tw(widthTw), Tw(heightTw));
}

void ChildForm::keepFixedSize()
{
    // In the normal state the window keeps its own size.
    if (m_forcing || isMinimized() || isMaximized())
        return;
    const QSize want(Tw(m_widthTw), Tw(m_heightTw));
    if (size() != want) {
        m_forcing = true;
        resize(want);
        m_forcing = false;
    }
}

void ChildForm::resizeEvent(QResizeEvent *e)
{
    QMdiSubWindow::resizeEvent(e);
    keepFixedSize();
}

void ChildForm::changeEvent(QEvent *e)
{
    QMdiSubWindow::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange)
        keepFixedSize();
}

void ChildForm::closeEvent(QCloseEvent *e)
{
    Form_Unload();
    m_unloaded = true;
    e->accept();
    QMdiSubWindow::closeEvent(e);
}

void ActivateTopLevel(QWidget *w)
{
    w->raise();
    w->activateWindow();
}

void AttachChildForm(ChildForm *f)
{
    mdiFormKT()->area()->addSubWindow(f);
    f->hide();
}

MDIFormKT *mdiFormKT()
{
    static QPointer<MDIFormKT> main;
    if (!main)
        main = new MDIFormKT;
    return main.data();
}

const QStringList &formNames()
{
    static const QStringList names = {
        QStringLiteral("MDIFormKT"), QStringLiteral("FormBase"), QStringLiteral("FormAbility"),
        QStringLiteral("FormExp"), QStringLiteral("FormEquip"), QStringLiteral("FormLang"),
        QStringLiteral("FormPort"), QStringLiteral("FormTextSheet")};
    return names;
}

QWidget *formByName(const QString &name)
{
    if (name == QLatin1String("MDIFormKT")) return mdiFormKT();
    if (name == QLatin1String("FormBase")) return formBase();
    if (name == QLatin1String("FormAbility")) return formAbility();
    if (name == QLatin1String("FormExp")) return formExp();
    if (name == QLatin1String("FormEquip")) return formEquip();
    if (name == QLatin1String("FormLang")) return formLang();
    if (name == QLatin1String("FormPort")) return formPort();
    if (name == QLatin1String("FormTextSheet")) return formTextSheet();
    return nullptr;
}

bool formExists(const QString &name)
{
    if (name == QLatin1String("MDIFormKT"))
        return true;
    const auto *main = mdiFormKT();
    for (QMdiSubWindow *w : main->area()->subWindowList()) {
        const auto *f = qobject_cast<const ChildForm *>(w);
        if (f && !f->unloaded() && f->objectName() == name)
            return true;
    }
    if (name == QLatin1String("FormTextSheet"))
        return FormTextSheetExists();
    return false;
}

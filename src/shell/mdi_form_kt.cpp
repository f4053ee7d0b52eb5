#include "shell/mdi_form_kt.h"

#include "shell/app.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/ui_seam.h"

#include "abilities/form_ability.h"
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "portrait/form_port.h"
#include "profile/form_base.h"
#include "sheet/form_text_sheet.h"
#include "skills/form_exp.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QMdiArea>
#include <QMenuBar>

QAction *MakeMenuItem(QMenu *menu, const QString &name, const QString &caption, bool checkable)
{
    auto *a = new QAction(caption, menu);
    a->setObjectName(name);
    a->setCheckable(checkable);
    menu->addAction(a);
    return a;
}

QAction *MakeSeparator(QMenu *menu, const QString &name)
{
    QAction *a = menu->addSeparator();
    a->setObjectName(name);
    a->setText(QStringLiteral("-"));
    return a;
}

void ConfirmExit()
{
    const MsgAnswer a = ShowMessage(QStringLiteral("終了の確認"),
                                    QStringLiteral("プログラムを終了します。\rよろしいですね？"),
                                    MsgButtons::YesNo, MsgIcon::Information);
    if (a == MsgAnswer::Yes)
        EndProgram();
}

MDIFormKT::MDIFormKT()
    : m_area(new QMdiArea)
{
    setObjectName(QStringLiteral("MDIFormKT"));
    setWindowTitle(QStringLiteral("KTCMT -KestrelＲＰＧキャラクター作成支援ツール-"));
    m_area->setObjectName(QStringLiteral("MDIFormKT_area"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // A child window's activation handling runs when it becomes the active one.
    connect(m_area, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *w) {
        if (auto *f = qobject_cast<ChildForm *>(w))
            f->Form_Activate();
    });
    createMenus();
    resize(Tw(15360), Tw(11520));
}

void MDIFormKT::createMenus()
{
    m_fileMenu = menuBar()->addMenu(QStringLiteral("シート＆リスト(&F)"));
    m_fileMenu->menuAction()->setObjectName(QStringLiteral("MenuFile"));
    OnMenuClick(MakeMenuItem(m_fileMenu, QStringLiteral("MenuCharaList"), QStringLiteral("キャラクターリスト(&L)")),
                [this] { MenuCharaList_Click(); });
    OnMenuClick(MakeMenuItem(m_fileMenu, QStringLiteral("MenuCharaSheetText"), QStringLiteral("キャラクターシート（テキスト）(&T)")),
                [this] { MenuCharaSheetText_Click(); });
    MakeSeparator(m_fileMenu, QStringLiteral("MenuBar101"));
    OnMenuClick(MakeMenuItem(m_fileMenu, QStringLiteral("MenuClose"), QStringLiteral("閉じる(&C)")),
                [this] { MenuClose_Click(); });
    MakeSeparator(m_fileMenu, QStringLiteral("MenuBar103"));
    OnMenuClick(MakeMenuItem(m_fileMenu, QStringLiteral("MenuExit"), QStringLiteral("終了(&E)")),
                [this] { MenuExit_Click(); });

    m_windowMenu = menuBar()->addMenu(QStringLiteral("ウィンドウ表示(&W)"));
    m_windowMenu->menuAction()->setObjectName(QStringLiteral("KTMenuWindows"));
    OnMenuClick(MakeMenuItem(m_windowMenu, QStringLiteral("MenuAllOpen"), QStringLiteral("全て開いて整列(&A)")),
                [this] { MenuAllOpen_Click(); });
    MakeSeparator(m_windowMenu, QStringLiteral("MenuBar201"));
    KTMenuBase = MakeMenuItem(m_windowMenu, QStringLiteral("KTMenuBase"), QStringLiteral("名前(&N)"), true);
    OnMenuClick(KTMenuBase, [this] { KTMenuBase_Click(); });
    KTMenuAbi = MakeMenuItem(m_windowMenu, QStringLiteral("KTMenuAbi"), QStringLiteral("能力値(&B)"), true);
    OnMenuClick(KTMenuAbi, [this] { KTMenuAbi_Click(); });
    KTMenuExp = MakeMenuItem(m_windowMenu, QStringLiteral("KTMenuExp"), QStringLiteral("技能(&S)"), true);
    OnMenuClick(KTMenuExp, [this] { KTMenuExp_Click(); });
    KTMenuEq = MakeMenuItem(m_windowMenu, QStringLiteral("KTMenuEq"), QStringLiteral("装備(&Q)"), true);
    OnMenuClick(KTMenuEq, [this] { KTMenuEq_Click(); });
    KTMenuLang = MakeMenuItem(m_windowMenu, QStringLiteral("KTMenuLang"), QStringLiteral("言語(&L)"), true);
    OnMenuClick(KTMenuLang, [this] { KTMenuLang_Click(); });
    MakeSeparator(m_windowMenu, QStringLiteral("MenuBar202"));
    OnMenuClick(MakeMenuItem(m_windowMenu, QStringLiteral("MenuAllHide"), QStringLiteral("全て隠す(&H)")),
                [this] { MenuAllHide_Click(); });
    MakeSeparator(m_windowMenu, QStringLiteral("MenuBar102"));
    OnMenuClick(MakeMenuItem(m_windowMenu, QStringLiteral("MenuPort"), QStringLiteral("肖像画(&P)")),
                [this] { MenuPort_Click(); });

    m_infoMenu = menuBar()->addMenu(QStringLiteral("インフォメーション(&F)"));
    m_infoMenu->menuAction()->setObjectName(QStringLiteral("MenuInfo"));
    OnMenuClick(MakeMenuItem(m_infoMenu, QStringLiteral("MenuCopyright"), QStringLiteral("著作権関連(&C)")),
                [this] { MenuCopyright_Click(); });
    OnMenuClick(MakeMenuItem(m_infoMenu, QStringLiteral("MenuVersion"), QStringLiteral("バージョン情報(&V)")),
                [this] { MenuVersion_Click(); });
}

QString MDIFormKT::activeChildName() const
{
    QMdiSubWindow *w = m_area->activeSubWindow();
    return w ? w->objectName() : QString();
}

void MDIFormKT::focusChild(ChildForm *f)
{
    m_area->setActiveSubWindow(f);
    f->setFocus();
}

void MDIFormKT::MDIForm_Load()
{
    AppPath = ProgramFolder();
    Chara.WeaponStr[1] = -1;
    CharaWork.WeaponStr[1] = -1;
    // The portrait sits to the right of the two arranged columns.
    FormPort *port = formPort();
    port->move(Tw(7320 + 7920), 0);
    port->show();
    MenuAllOpen_Click();
    // Without a window manager to maximize it, the window still fills the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
}

void MDIFormKT::toggleWindow(ChildForm *f, QAction *item)
{
    const bool checked = item->isChecked();
    if (WindowCmd == 2 || (WindowCmd == 0 && checked && !f->isMinimized())) {
        const bool wasActive = m_area->activeSubWindow() == f;
        f->hide();
        item->setChecked(false);
        // As on the desktop, the active window passes on to the last used visible one.
        if (wasActive)
            activateLastVisibleChild();
        return;
    }
    f->show();
    f->showNormal();
    f->move(0, 0);
    focusChild(f);
    item->setChecked(true);
}

void MDIFormKT::activateLastVisibleChild()
{
    const QList<QMdiSubWindow *> used = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = used.crbegin(); it != used.crend(); ++it) {
        if (!(*it)->isHidden()) {
            m_area->setActiveSubWindow(*it);
            return;
        }
    }
    m_area->setActiveSubWindow(nullptr);
}

void MDIFormKT::KTMenuBase_Click() { toggleWindow(formBase(), KTMenuBase); }
void MDIFormKT::KTMenuAbi_Click() { toggleWindow(formAbility(), KTMenuAbi); }
void MDIFormKT::KTMenuExp_Click() { toggleWindow(formExp(), KTMenuExp); }
void MDIFormKT::KTMenuEq_Click() { toggleWindow(formEquip(), KTMenuEq); }
void MDIFormKT::KTMenuLang_Click() { toggleWindow(formLang(), KTMenuLang); }

void MDIFormKT::MenuAllOpen_Click()
{
    WindowCmd = 1;
    KTMenuAbi_Click();
    KTMenuExp_Click();
    KTMenuEq_Click();
    KTMenuBase_Click();
    KTMenuLang_Click();
    WindowCmd = 0;

    FormBase *base = formBase();
    FormAbility *abi = formAbility();
    FormExp *exp = formExp();
    FormEquip *eq = formEquip();
    FormLang *lang = formLang();
    base->move(0, 0);
    exp->move(base->width(), 0);
    abi->move(0, base->height());
    eq->move(abi->width(), exp->height());
    lang->move(0, abi->height() + base->height());
    focusChild(base);
}

void MDIFormKT::MenuAllHide_Click()
{
    WindowCmd = 2;
    KTMenuAbi_Click();
    KTMenuExp_Click();
    KTMenuEq_Click();
    KTMenuBase_Click();
    KTMenuLang_Click();
    WindowCmd = 0;
}

// Shows the sheet window in the normal state with the focus.
static FormTextSheet *showSheetWindow()
{
    FormTextSheet *sheet = formTextSheet();
    sheet->show();
    sheet->showNormal();
    ActivateTopLevel(sheet);
    return sheet;
}

void MDIFormKT::MenuCharaList_Click()
{
    FormTextSheet *sheet = showSheetWindow();
    sheet->TimerFMode->setEnabled(true);
    SheetMode = 0;
    CopyRecord(Chara, CharaWork);
    sheet->FileCL->setPath(AppPath);
    sheet->FileCL->setPath(CharactersFolder());
}

void MDIFormKT::MenuCharaSheetText_Click()
{
    FormTextSheet *sheet = showSheetWindow();
    sheet->TimerSheet->setEnabled(true);
    SheetMode = 1;
    CopyRecord(Chara, CharaWork);
    sheet->TimerFMode->setEnabled(true);
}

void MDIFormKT::MenuClose_Click()
{
    FormTextSheet *sheet = formTextSheet();
    sheet->show();
    sheet->showMaximized();
    ActivateTopLevel(sheet);
    hide();
}

void MDIFormKT::MenuExit_Click()
{
    ConfirmExit();
}

void MDIFormKT::MenuPort_Click()
{
    FormPort *port = formPort();
    port->move(0, 0);
    port->show();
    port->showNormal();
    port->move(0, 0);
    port->TimerPort->setEnabled(true);
    focusChild(port);
}

void MDIFormKT::MenuCopyright_Click()
{
    ShowMessage(QStringLiteral("著作権関連"),
                QStringLiteral("KTCMT -KestrelＲＰＧキャラクター作成支援ツール-\r"
                               "Copyright (c) 2026 KTCMT contributors\r"
                               "このプログラムは MIT ライセンスのもとで配布されます。\r"
                               "Kestrel RPG のキャラクター作成を支援する非公式ツールです。"),
                MsgButtons::Ok, MsgIcon::Information);
}

void MDIFormKT::MenuVersion_Click()
{
    ShowMessage(QStringLiteral("バージョン情報"),
                QStringLiteral("KTCMT -KestrelＲＰＧキャラクター作成支援ツール-\rバージョン " KTCMT_VERSION),
                MsgButtons::Ok, MsgIcon::Information);
}

void MDIFormKT::closeEvent(QCloseEvent *e)
{
    // The close box ends the program at once, without the confirmation.
    e->accept();
    EndProgram();
}

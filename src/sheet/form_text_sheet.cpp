#include "sheet/form_text_sheet.h"

#include "shell/app.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"

#include <QCloseEvent>
#include <QDir>
#include <QMenuBar>

namespace {
QPointer<FormTextSheet> &sheetSlot()
{
    static QPointer<FormTextSheet> form;
    return form;
}
}

FormTextSheet::FormTextSheet()
{
    setObjectName(QStringLiteral("FormTextSheet"));
    setWindowTitle(QStringLiteral("CHARACTER SHEET & LIST"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *c = new QWidget;
    c->setObjectName(QStringLiteral("FormTextSheet_client"));
    setCentralWidget(c);
    TextSheet = new KText(QStringLiteral("TextSheet"), c, true);
    TextSheet->setFont(QFont(QStringLiteral("ＭＳ ゴシック"), 9));
    TextSheet->setText(QStringLiteral("サマリー・キャラクターシート\r\n"));
    Place(TextSheet, 2760, 120, 5205, 4335);
    ListC = new KList(QStringLiteral("ListC"), c);
    Place(ListC, 120, 4560, 2535, 420);
    ListSort = new KList(QStringLiteral("ListSort"), c);
    ListSort->setFont(QFont(QStringLiteral("ＭＳ 明朝"), 9));
    Place(ListSort, 2760, 4560, 5175, 540);
    ListSort->hide();
    FileCL = new KFileList(QStringLiteral("FileCL"), QStringLiteral("*.ktc"), c);
    FileCL->hide();
    FilePL = new KFileList(QStringLiteral("FilePL"), QStringLiteral("*.bmp;*.jpg"), c);
    Place(FilePL, 120, 120, 2535, 3870);
    FilePL->hide();
    ImagePort = new KPicture(QStringLiteral("ImagePort"), c);
    Place(ImagePort, 120, 120, 2535, 3855);
    connect(FilePL, &KList::Click, this, &FormTextSheet::FilePL_Click);
    connect(ImagePort, &KPicture::Click, this, &FormTextSheet::ImagePort_Click);
    TimerFMode = new KTimer(QStringLiteral("TimerFMode"), this);
    connect(TimerFMode, &KTimer::Timer, this, &FormTextSheet::TimerFMode_Timer);
    TimerSheet = new KTimer(QStringLiteral("TimerSheet"), this);
    connect(TimerSheet, &KTimer::Timer, this, &FormTextSheet::TimerSheet_Timer);
    createMenus();
    resize(Tw(8200), Tw(6000));
}

void FormTextSheet::createMenus()
{
    QMenu *mode = menuBar()->addMenu(QStringLiteral("モード(&M)"));
    mode->menuAction()->setObjectName(QStringLiteral("MenuMode0"));
    MenuMode[0] = MakeMenuItem(mode, ArrayName(QStringLiteral("MenuMode"), 0), QStringLiteral("キャラクターリスト(&L)"), true);
    OnMenuClick(MenuMode[0], [this] { MenuMode_Click(0); });
    MenuMode[1] = MakeMenuItem(mode, ArrayName(QStringLiteral("MenuMode"), 1), QStringLiteral("キャラクターシート(&S)"), true);
    OnMenuClick(MenuMode[1], [this] { MenuMode_Click(1); });
    MakeSeparator(mode, QStringLiteral("MenuBar1"));
    OnMenuClick(MakeMenuItem(mode, QStringLiteral("MenuClose"), QStringLiteral("閉じる(&C)")), [this] { MenuClose_Click(); });
    MakeSeparator(mode, QStringLiteral("MenuBar2"));
    OnMenuClick(MakeMenuItem(mode, QStringLiteral("MenuEnd"), QStringLiteral("終了(&E)")), [this] { MenuEnd_Click(); });

    QMenu *sort = menuBar()->addMenu(QStringLiteral("ソート(&S)"));
    sort->menuAction()->setObjectName(QStringLiteral("MenuList"));

    QMenu *crlf = menuBar()->addMenu(QStringLiteral("改行(&R)"));
    crlf->menuAction()->setObjectName(QStringLiteral("MenuCrLf"));
    const QString crlfCaptions[3] = {QStringLiteral("通常(&N)"), QStringLiteral("段落分け(&D)"), QStringLiteral("一行置き(&O)")};
    for (int i = 0; i < 3; ++i) {
        MenuCrLfMode[i] = MakeMenuItem(crlf, ArrayName(QStringLiteral("MenuCrLfMode"), i), crlfCaptions[i], true);
        OnMenuClick(MenuCrLfMode[i], [this, i] { MenuCrLfMode_Click(i); });
    }
    MenuCrLfMode[1]->setChecked(true);
}

void FormTextSheet::Form_Load()
{
    AppPath = ProgramFolder();
    mdiFormKT();
    CrLfMode = 1;
    FileCL->setPath(JoinPath(AppPath, QStringLiteral("Characters")));
    FilePL->setPath(JoinPath(AppPath, QStringLiteral("Characters") + QDir::separator() + QStringLiteral("Portraits")));
    MenuMode_Click(0);
}

void FormTextSheet::MenuMode_Click(int index)
{
    SheetMode = Byte(index);
    // Maximized without showing: a window still loading stays hidden.
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    if (index == 1) {
        ListSort->hide();
        setWindowTitle(QStringLiteral("CHARACTER SHEET"));
        MenuCrLfMode_Click(1);
    } else {
        ListSort->show();
        setWindowTitle(QStringLiteral("CHARACTER SHEET & LIST"));
        MenuCrLfMode_Click(0);
    }
    MenuMode[index]->setChecked(true);
    MenuMode[1 - index]->setChecked(false);
}

void FormTextSheet::MenuCrLfMode_Click(int index)
{
    CrLfMode = Byte(index);
    for (int i = 0; i < 3; ++i)
        MenuCrLfMode[i]->setChecked(i == index);
    TimerSheet->setEnabled(true);
}

void FormTextSheet::MenuClose_Click()
{
    MDIFormKT *main = mdiFormKT();
    main->show();
    main->showMaximized();
    ActivateTopLevel(main);
    hide();
}

void FormTextSheet::MenuEnd_Click()
{
    ConfirmExit();
}

void FormTextSheet::TimerFMode_Timer()
{
    TimerFMode->setEnabled(false);
    CopyRecord(Chara, CharaWork);
    MenuMode_Click(SheetMode);
}

void FormTextSheet::TimerSheet_Timer()
{
    TimerSheet->setEnabled(false);
}

void FormTextSheet::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void FormTextSheet::closeEvent(QCloseEvent *e)
{
    m_unloaded = true;
    e->accept();
    // The program never runs on with no window: a hidden main window comes back.
    MDIFormKT *main = mdiFormKT();
    if (main->isHidden()) {
        main->show();
        main->showMaximized();
        ActivateTopLevel(main);
    }
    QMainWindow::closeEvent(e);
}

FormTextSheet *formTextSheet()
{
    QPointer<FormTextSheet> &slot = sheetSlot();
    if (!slot || slot->unloaded()) {
        slot = new FormTextSheet;
        slot->Form_Load();
    }
    return slot.data();
}

bool FormTextSheetExists()
{
    return sheetSlot() && !sheetSlot()->unloaded();
}

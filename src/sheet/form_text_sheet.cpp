#include "sheet/form_text_sheet.h"

#include "abilities/form_ability.h"
#include "equipment/form_equip.h"
#include "languages/form_lang.h"
#include "portrait/portrait_rules.h"
#include "profile/form_base.h"
#include "sheet/char_files.h"
#include "sheet/output_menu.h"
#include "sheet/sheet_text.h"
#include "shell/app.h"
#include "shell/chara_file.h"
#include "shell/controls.h"
#include "shell/forms.h"
#include "shell/globals.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/ui_seam.h"
#include "skills/form_exp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>

namespace {
QPointer<FormTextSheet> &sheetSlot()
{
    static QPointer<FormTextSheet> form;
    return form;
}

// Design positions (twips) the layout works from; lefts and tops never change.
constexpr int SheetLeft = 2760, SheetTop = 120;
constexpr int ButtonTop = 4080, ButtonHeight = 375;
constexpr int PortraitTop = 120;
constexpr int ListTop = 4560;
constexpr int RightMargin = 150, BottomMargin = 500;

// A pass after renames lists every file under its regular name, so a
// second pass finds nothing to do; this only bounds a folder that keeps
// changing under the program.
constexpr int MaxListPasses = 10;

const QString LoadCaption = QStringLiteral("呼出");
const QString SaveCaption = QStringLiteral("保存");
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
    // Sheet lines are laid out in columns: they are never wrapped.
    TextSheet->plainEdit()->setLineWrapMode(QPlainTextEdit::NoWrap);
    TextSheet->plainEdit()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextSheet->plainEdit()->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TextSheet->setText(QStringLiteral("サマリー・キャラクターシート\r\n"));
    Place(TextSheet, SheetLeft, SheetTop, 5205, 4335);
    CommandC = new KButton(QStringLiteral("CommandC"), LoadCaption, c);
    Place(CommandC, 120, ButtonTop, 855, ButtonHeight);
    CommandW = new KButton(QStringLiteral("CommandW"), QStringLiteral("上書"), c);
    Place(CommandW, 960, ButtonTop, 855, ButtonHeight);
    CommandD = new KButton(QStringLiteral("CommandD"), QStringLiteral("削除"), c);
    Place(CommandD, 1800, ButtonTop, 855, ButtonHeight);
    ListC = new KList(QStringLiteral("ListC"), c);
    ListC->setUniformItemSizes(true);
    Place(ListC, 120, ListTop, 2535, 420);
    ListSort = new KList(QStringLiteral("ListSort"), c);
    ListSort->setFont(QFont(QStringLiteral("ＭＳ 明朝"), 9));
    ListSort->setUniformItemSizes(true);
    Place(ListSort, SheetLeft, ListTop, 5175, 540);
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
    connect(FileCL, &KFileList::PathChange, this, &FormTextSheet::FileCL_PathChange);
    connect(ListC, &KList::Click, this, &FormTextSheet::ListC_Click);
    connect(ListSort, &KList::Click, this, &FormTextSheet::ListSort_Click);
    connect(CommandC, &QPushButton::clicked, this, &FormTextSheet::CommandC_Click);
    connect(CommandW, &QPushButton::clicked, this, &FormTextSheet::CommandW_Click);
    connect(CommandD, &QPushButton::clicked, this, &FormTextSheet::CommandD_Click);
    TimerFMode = new KTimer(QStringLiteral("TimerFMode"), this);
    connect(TimerFMode, &KTimer::Timer, this, &FormTextSheet::TimerFMode_Timer);
    TimerSheet = new KTimer(QStringLiteral("TimerSheet"), this);
    connect(TimerSheet, &KTimer::Timer, this, &FormTextSheet::TimerSheet_Timer);
    createMenus();
    // Tells a person's activation from a message box of the program closing.
    qApp->installEventFilter(this);
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
    const QString sortCaptions[3] = {QStringLiteral("登録順(&N)"), QStringLiteral("冒険者レベル順(&L)"), QStringLiteral("総経験点順(&X)")};
    for (int i = 0; i < 3; ++i) {
        MenuListSort[i] = MakeMenuItem(sort, ArrayName(QStringLiteral("MenuListSort"), i), sortCaptions[i], true);
        OnMenuClick(MenuListSort[i], [this, i] { MenuListSort_Click(i); });
    }
    MakeSeparator(sort, QStringLiteral("MenuListBar"));
    const QString skillCaptions[9] = {
        QStringLiteral("ファイター技能順(&F)"), QStringLiteral("シーフ技能順(&T)"), QStringLiteral("レンジャー技能順(&R)"),
        QStringLiteral("ソーサラー技能順(&M)"), QStringLiteral("シャーマン技能順(&E)"), QStringLiteral("プリースト技能順(&P)"),
        QStringLiteral("セージ技能順(&S)"), QStringLiteral("バード技能順(&B)"), QStringLiteral("ドラゴンプリースト技能順(&D)")};
    for (int i = 0; i < 9; ++i) {
        MenuListSortSkill[i] = MakeMenuItem(sort, ArrayName(QStringLiteral("MenuListSortSkill"), i), skillCaptions[i], true);
        OnMenuClick(MenuListSortSkill[i], [this, i] { MenuListSortSkill_Click(i); });
    }
    // The sort order outlives the window: one made anew marks the order in use.
    for (int i = 0; i < 3; ++i)
        MenuListSort[i]->setChecked(ListSortMode == i);
    for (int i = 0; i < 9; ++i)
        MenuListSortSkill[i]->setChecked(ListSortMode == SortBySkill + i);

    QMenu *crlf = menuBar()->addMenu(QStringLiteral("改行(&R)"));
    crlf->menuAction()->setObjectName(QStringLiteral("MenuCrLf"));
    const QString crlfCaptions[3] = {QStringLiteral("通常(&N)"), QStringLiteral("段落分け(&D)"), QStringLiteral("一行置き(&O)")};
    for (int i = 0; i < 3; ++i) {
        MenuCrLfMode[i] = MakeMenuItem(crlf, ArrayName(QStringLiteral("MenuCrLfMode"), i), crlfCaptions[i], true);
        OnMenuClick(MenuCrLfMode[i], [this, i] { MenuCrLfMode_Click(i); });
    }
    MenuCrLfMode[1]->setChecked(true);
    AddOutputMenu(this);
}

void FormTextSheet::Form_Load()
{
    AppPath = ProgramFolder();
    mdiFormKT();
    CrLfMode = 1;
    FileCL->setPath(CharactersFolder());
    FilePL->setPath(PortraitFolder());
    MenuMode_Click(0);
}

void FormTextSheet::MenuMode_Click(int index)
{
    SheetMode = Byte(index);
    // Without a window manager to maximize it, the window still fills the
    // screen. Maximized without showing: a window still loading stays hidden.
    const QScreen *sc = screen();
    if (sc && !(windowState() & Qt::WindowMaximized))
        setGeometry(sc->availableGeometry());
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
    Form_Resize();
    MenuMode[index]->setChecked(true);
    MenuMode[1 - index]->setChecked(false);
    selectEditedRow();
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
    ShowSheetPortrait();
    TimerSheet->setEnabled(false);
    TextSheet->setText(SheetText(CharaWork, SheetMode, CrLfMode));
}

void FormTextSheet::Form_Resize()
{
    if (isMinimized())
        return;
    const QRect outer = frameGeometry();
    const int w = ToTwips(outer.width());
    const int h = ToTwips(outer.height());
    auto setWidth = [](QWidget *c, int tw) {
        if (tw > 0)
            c->resize(Tw(tw), c->height());
    };
    auto setHeight = [](QWidget *c, int tw) {
        if (tw > 0)
            c->resize(c->width(), Tw(tw));
    };
    setWidth(TextSheet, w - SheetLeft - RightMargin);
    setHeight(ListC, h - ListTop - BottomMargin);
    if (SheetMode == 1) {
        // The text box takes the table's place.
        setHeight(TextSheet, h - SheetTop - BottomMargin);
    } else {
        setWidth(ListSort, w - SheetLeft - RightMargin);
        // The text box ends level with the bottom of the buttons.
        setHeight(TextSheet, ButtonTop + ButtonHeight - PortraitTop);
        setHeight(ListSort, h - ListTop - BottomMargin);
    }
}

void FormTextSheet::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

void FormTextSheet::changeEvent(QEvent *e)
{
    QMainWindow::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        const bool afterOwnBox = m_afterOwnBox;
        m_afterOwnBox = false;
        // A message box of the program closing over the window hands the
        // activation back; that is no person coming to the list.
        if (!afterOwnBox)
            Form_Activate();
    }
}

bool FormTextSheet::eventFilter(QObject *o, QEvent *e)
{
    if (e->type() == QEvent::WindowActivate && o != this && o->isWidgetType() && static_cast<QWidget *>(o)->isWindow())
        m_afterOwnBox = qobject_cast<QDialog *>(o) != nullptr;
    return QMainWindow::eventFilter(o, e);
}

void FormTextSheet::Form_Activate()
{
    if (m_inPass)
        return;
    RefreshList();
}

// ---------------------------------------------------------------- character list

QString FormTextSheet::charactersFolder() const
{
    return CharactersFolder();
}

void FormTextSheet::FileCL_PathChange()
{
    // The main window passes through the program's folder on its way to the
    // characters folder; only the characters folder is ever listed and renamed in.
    if (FileCL->path() == charactersFolder())
        listPass(QString());
}

void FormTextSheet::RefreshList()
{
    if (FileCL->path() != charactersFolder())
        FileCL->setPath(charactersFolder());
    else
        listPass(QString());
}

void FormTextSheet::listPass(const QString &savedFile)
{
    if (m_inPass)
        return;
    m_inPass = true;
    const QString folder = charactersFolder();
    // The file holding the edited character, found by its number in the
    // listing the user last saw; the number follows it through the pass.
    QString edited = savedFile;
    if (edited.isEmpty())
        edited = FileOfNumber(m_listedOnce ? m_listed : ListCharacterFiles(folder), Chara.CharaNo);
    const bool follow = !edited.isEmpty();
    for (int pass = 0; passOverFiles(edited); ++pass) {
        if (pass + 1 >= MaxListPasses) {
            // A folder that keeps changing: one more pass without renames, so
            // the rows are read from exactly the files they are listed as.
            passOverFiles(edited, false);
            break;
        }
    }
    m_listedOnce = true;
    if (follow)
        Chara.CharaNo = Integer(edited.isEmpty() ? 0 : NumberOfFile(m_listed, edited));
    showCharaNo();
    NewFileName = NewCharacterFileName(int(m_listed.size()));
    FileCL_Click();
    selectEditedRow();
    m_inPass = false;
}

bool FormTextSheet::passOverFiles(QString &editedFile, bool renames)
{
    const QString folder = charactersFolder();
    m_listed = ListCharacterFiles(folder);
    // A file gone from the folder takes its number with it, even when a
    // rename later gives its name to another file.
    if (!m_listed.contains(editedFile))
        editedFile.clear();
    FileCL->clearRows();
    for (const QString &name : std::as_const(m_listed))
        FileCL->addRow(name);

    const int n = int(m_listed.size());
    ListData.resize(n + 1);
    ListC->clearRows();
    ListC->addRow(EditedRowText(Chara.Name), 0);
    NameFixed = 0;
    ListData[0] = EntryOf(Chara);
    for (int i = 0; i < n; ++i) {
        const QString path = JoinPath(folder, m_listed[i]);
        const ListedFile file = ReadListedFile(path, CharaWork);
        if (CharaWork.CharaNo != i + 1) {
            CharaWork.CharaNo = Integer(i + 1);
            // Only the stored number changes; a file not read completely
            // is left exactly as it is.
            if (file.complete)
                WriteStoredNumber(path, file.numberAt, CharaWork.CharaNo);
        }
        ListData[i + 1] = EntryOf(CharaWork);
        ListC->addRow(ListedName(CharaWork.Name), CharaWork.CharaNo);
    }
    for (const Rename &r : renames ? PlanRenames(m_listed) : QList<Rename>()) {
        if (!(renameFile ? renameFile : RenameNoReplace)(JoinPath(folder, r.from), JoinPath(folder, r.to)))
            continue;
        NameFixed = 1;
        if (editedFile == r.from)
            editedFile = r.to;
    }
    return NameFixed == 1;
}

void FormTextSheet::showCharaNo()
{
    // The profile window is not created for this: creating it loads it.
    if (formExists(QStringLiteral("FormBase")))
        formBase()->TextID->setText(NumText(int(Chara.CharaNo)));
}

int FormTextSheet::editedRow() const
{
    // A sort moves the edited character's row too while it has no file.
    for (int r = 0; r < ListC->count(); ++r)
        if (ListC->rowData(r) == 0)
            return r;
    return 0;
}

void FormTextSheet::selectEditedRow()
{
    if (ListC->count() == 0)
        return;
    const int r = editedRow();
    if (ListC->listIndex() != r)
        ListC->setListIndex(r);
    else
        ListC_Click();
}

QList<ListRow> FormTextSheet::listRows() const
{
    QList<ListRow> rows;
    rows.reserve(ListC->count());
    for (int r = 0; r < ListC->count(); ++r)
        rows.append({ListC->item(r)->text(), ListC->rowData(r), r < ListData.size() ? ListData[r] : ListEntry()});
    return rows;
}

void FormTextSheet::setListRows(const QList<ListRow> &rows)
{
    // Texts and data move; the selection stays on its row number.
    for (int r = 0; r < rows.size() && r < ListC->count(); ++r) {
        QListWidgetItem *it = ListC->item(r);
        if (it->text() != rows[r].text)
            it->setText(rows[r].text);
        it->setData(Qt::UserRole, rows[r].data);
        if (r < ListData.size())
            ListData[r] = rows[r].entry;
    }
}

void FormTextSheet::FileCL_Click()
{
    QList<ListRow> rows = listRows();
    SortRows(rows, ListSortMode, Chara.CharaNo);
    setListRows(rows);
    ListSort->clearRows();
    for (const TableLine &line : TableLines(rows, Chara.CharaNo, Chara.Name))
        ListSort->addRow(line.text, line.data);
}

void FormTextSheet::ListC_Click()
{
    const int r = ListC->listIndex();
    if (r >= 0) {
        const int k = ListC->rowData(r);
        if (k == 0) {
            CopyRecord(Chara, CharaWork);
            CommandC->setText(SaveCaption);
            CommandC->setEnabled(SaveAllowed(ListC->count()));
            CommandW->setEnabled(Chara.CharaNo > 0);
            CommandD->setEnabled(false);
            FilePL->setVisible(CharaWork.PortraitFile.isEmpty());
        } else {
            const QString file = FileOfNumber(m_listed, k);
            if (file.isEmpty())
                CharaWork = CharaRecord();
            else
                ReadListedFile(JoinPath(charactersFolder(), file), CharaWork);
            CommandC->setText(LoadCaption);
            CommandC->setEnabled(true);
            CommandW->setEnabled(false);
            CommandD->setEnabled(true);
            FilePL->setVisible(false);
        }
    }
    TimerSheet->setEnabled(true);
}

void FormTextSheet::ListSort_Click()
{
    const int line = ListSort->listIndex();
    if (line < 0)
        return;
    ListC->setListIndex(ListRowOfTableLine(line, Chara.CharaNo, ListC->count()));
}

void FormTextSheet::saveTo(const QString &name)
{
    WriteRecordFile(JoinPath(charactersFolder(), name), Chara);
    listPass(name);
}

void FormTextSheet::CommandC_Click()
{
    if (CommandC->text() == SaveCaption) {
        if (!SaveAllowed(ListC->count()))
            return;
        const int n = int(m_listed.size());
        Chara.CharaNo = Integer(n + 1);
        // Never written over a file that happens to carry the name already.
        saveTo(FreeNewFileName(n, FolderEntries(charactersFolder())));
        return;
    }
    // The load's refresh reaches every editing window; one that has been
    // closed is created first. The abilities window's creation rolls a new
    // character over both records, and the refreshes a creation asks for
    // would run ahead of the load's own and derive the loaded deity and
    // chosen languages anew; the load asks for all of them again.
    bool closed = false;
    for (const char *name : {"FormAbility", "FormBase", "FormExp", "FormEquip", "FormLang"})
        closed = closed || !formExists(QLatin1String(name));
    if (closed) {
        const CharaRecord loaded = CharaWork;
        formAbility();
        formBase();
        formExp();
        formEquip();
        formLang();
        CharaWork = loaded;
        formExp()->TimerReset->setEnabled(false);
        formEquip()->TimerReset->setEnabled(false);
        formLang()->TimerReset->setEnabled(false);
    }
    CopyRecord(CharaWork, Chara);
    // The loaded character has a file: its row goes back to the top, where
    // the table leaves it out, wherever a sort had moved it while unsaved.
    if (const int edited = editedRow(); edited > 0) {
        QList<ListRow> rows = listRows();
        rows.move(edited, 0);
        setListRows(rows);
    }
    if (ListC->count() > 0)
        ListC->item(0)->setText(EditedRowText(Chara.Name));
    // Row 0's figures belong to the character now being edited, as its name does.
    if (!ListData.isEmpty())
        ListData[0] = EntryOf(Chara);
    selectEditedRow();
    ProfileLock.fill(1);
    FileCL_Click();
    formAbility()->TimerAbi->setEnabled(true);
}

void FormTextSheet::CommandW_Click()
{
    const int n = int(m_listed.size());
    QString target = FileOfNumber(m_listed, Chara.CharaNo);
    if (target.isEmpty()) {
        // No file at that number: the command saves a new one, within the limit.
        if (!SaveAllowed(n + 1)) {
            Beep();
            return;
        }
        Chara.CharaNo = Integer(n + 1);
        target = FreeNewFileName(n, FolderEntries(charactersFolder()));
    }
    saveTo(target);
}

void FormTextSheet::CommandD_Click()
{
    const int r = ListC->listIndex();
    if (r < 0)
        return;
    const QString file = FileOfNumber(m_listed, ListC->rowData(r));
    if (file.isEmpty())
        return;
    const QString name = ListC->item(r)->text();
    const MsgAnswer a = ShowMessage(QStringLiteral("削除の確認"),
                                    QStringLiteral("キャラクター（") + name + QStringLiteral("）のデータを削除します。\rよろしいですね？"),
                                    MsgButtons::YesNo, MsgIcon::Information);
    if (a != MsgAnswer::Yes)
        return;
    DeleteCharacterFile(JoinPath(charactersFolder(), file));
    RefreshList();
}

void FormTextSheet::MenuListSort_Click(int index)
{
    ListSortMode = Integer(index);
    for (int i = 0; i < 3; ++i)
        MenuListSort[i]->setChecked(i == index);
    for (QAction *a : MenuListSortSkill)
        a->setChecked(false);
    ListC->setListIndex(-1);
    FileCL_Click();
}

void FormTextSheet::MenuListSortSkill_Click(int index)
{
    ListSortMode = Integer(SortBySkill + index);
    for (QAction *a : MenuListSort)
        a->setChecked(false);
    for (int i = 0; i < 9; ++i)
        MenuListSortSkill[i]->setChecked(i == index);
    ListC->setListIndex(-1);
    FileCL_Click();
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

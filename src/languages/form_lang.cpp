#include "languages/form_lang.h"

#include <QSignalBlocker>
#include <algorithm>
#include "languages/lang_tables.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/indexes.h"
#include "shell/mdi_form_kt.h"
#include "shell/numtext.h"
#include "shell/random.h"
#include "shell/ui_seam.h"
#include "skills/form_exp.h"

namespace {

// Layout, in twips: the selectors on the left, then the speak, read and song
// columns, each a caption over its list with the figure and buttons beside it.
constexpr int RowHeight = 300;
constexpr int CaptionHeight = 255;
constexpr int ColumnTop = 120;
constexpr int ListTop = 420;
constexpr int ListWidth = 2175;
constexpr int ListHeight = 1860;
constexpr int SideGap = 90;
constexpr int SideWidth = 1095;
constexpr int ButtonHeight = 375;
constexpr int FirstListColumn = 3420;
constexpr int ColumnStep = ListWidth + SideGap + SideWidth + 570;

int listColumnLeft(int column) { return FirstListColumn + ColumnStep * column; }

void fillRows(KList *list, const QList<LangRow> &rows)
{
    list->clearRows();
    for (const LangRow &row : rows)
        list->addRow(row.text, row.data);
}

} // namespace

FormLang::FormLang()
    : ChildForm(QStringLiteral("FormLang"), QStringLiteral("言語など"), 15235, 2910)
{
    QWidget *c = client();
    auto label = [this, c](int index, const QString &caption, int left, int top, int width) {
        Label[index] = new KLabel(ArrayName(QStringLiteral("Label"), index), caption, c);
        Place(Label[index], left, top, width, CaptionHeight);
        return Label[index];
    };
    auto combo = [c](const QString &name, int top) {
        auto *box = new KCombo(name, c);
        Place(box, 780, top, 2340, RowHeight);
        return box;
    };

    // Selectors: deity, language with its two boxes, song with its box.
    label(0, QStringLiteral("宗派"), 120, 180, 615);
    ComboGod = combo(QStringLiteral("ComboGod"), 120);
    for (const QString &g : DeityNames)
        ComboGod->addItem(g);

    label(2, QStringLiteral("言語"), 120, 600, 615);
    ComboLang = combo(QStringLiteral("ComboLang"), 540);
    for (const QString &l : LanguageNames)
        ComboLang->addItem(l);
    const QString checkCaptions[2] = {QStringLiteral("会話"), QStringLiteral("読解")};
    for (int k = 0; k < 2; ++k) {
        CheckLang[k] = new KCheck(ArrayName(QStringLiteral("CheckLang"), k), checkCaptions[k], c);
        Place(CheckLang[k], 780 + 1170 * k, 930, 1095, RowHeight);
    }

    label(1, QStringLiteral("呪歌"), 120, 1440, 615);
    ComboSong = combo(QStringLiteral("ComboSong"), 1380);
    for (const QString &s : SongNames)
        ComboSong->addItem(s);
    CheckSong = new KCheck(QStringLiteral("CheckSong"), QStringLiteral("習得"), c);
    Place(CheckSong, 780, 1770, 1095, RowHeight);

    // The speak and read columns.
    const int captionIndex[2] = {4, 3};
    const QString captions[2] = {QStringLiteral("（会話）"), QStringLiteral("（読解）")};
    const int restIndex[2] = {7, 8};
    for (int k = 0; k < 2; ++k) {
        const int left = listColumnLeft(k);
        const int side = left + ListWidth + SideGap;
        label(captionIndex[k], captions[k], left, ColumnTop, ListWidth);
        ListLang[k] = new KList(ArrayName(QStringLiteral("ListLang"), k), c);
        Place(ListLang[k], left, ListTop, ListWidth, ListHeight);
        label(restIndex[k], QStringLiteral("残り"), side, ListTop + 30, 495);
        LabelMaxLang[k] = new KLabel(ArrayName(QStringLiteral("LabelMaxLang"), k), QStringLiteral("0"), c);
        LabelMaxLang[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(LabelMaxLang[k], side + 510, ListTop + 30, 585, CaptionHeight);
        CommandLangDelete[k] = new KButton(ArrayName(QStringLiteral("CommandLangDelete"), k), QStringLiteral("削除"), c);
        Place(CommandLangDelete[k], side, ListTop + 420, SideWidth, ButtonHeight);
        CommandReset[k] = new KButton(ArrayName(QStringLiteral("CommandReset"), k), QStringLiteral("初期化"), c);
        Place(CommandReset[k], side, ListTop + 900, SideWidth, ButtonHeight);
    }

    // The song column.
    {
        const int left = listColumnLeft(2);
        const int side = left + ListWidth + SideGap;
        label(5, QStringLiteral("呪歌"), left, ColumnTop, ListWidth);
        ListSong = new KList(QStringLiteral("ListSong"), c);
        Place(ListSong, left, ListTop, ListWidth, ListHeight);
        label(6, QStringLiteral("残り"), side, ListTop + 30, 495);
        LabelMaxSongs = new KLabel(QStringLiteral("LabelMaxSongs"), QStringLiteral("0"), c);
        LabelMaxSongs->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Place(LabelMaxSongs, side + 510, ListTop + 30, 585, CaptionHeight);
        CommandSongDelete = new KButton(QStringLiteral("CommandSongDelete"), QStringLiteral("削除"), c);
        Place(CommandSongDelete, side, ListTop + 420, SideWidth, ButtonHeight);
        CommandSongClear = new KButton(QStringLiteral("CommandSongClear"), QStringLiteral("初期化"), c);
        Place(CommandSongClear, side, ListTop + 900, SideWidth, ButtonHeight);
    }

    TimerReset = new KTimer(QStringLiteral("TimerReset"), this);

    // Nothing is selected yet, so the load's selections are real changes and run their steps.
    ComboGod->setCurrentIndex(-1);
    ComboLang->setCurrentIndex(-1);
    ComboSong->setCurrentIndex(-1);

    connect(ComboGod, &KCombo::Click, this, &FormLang::ComboGod_Click);
    connect(ComboLang, &KCombo::Click, this, &FormLang::ComboLang_Click);
    for (int k = 0; k < 2; ++k) {
        connect(CheckLang[k], &KCheck::Click, this, [this, k] { CheckLang_Click(k); });
        connect(CommandLangDelete[k], &KButton::clicked, this, [this, k] { CommandLangDelete_Click(k); });
        connect(CommandReset[k], &KButton::clicked, this, [this, k] { CommandReset_Click(k); });
    }
    connect(ComboSong, &KCombo::Click, this, &FormLang::ComboSong_Click);
    connect(CheckSong, &KCheck::Click, this, &FormLang::CheckSong_Click);
    connect(ListSong, &KList::Click, this, &FormLang::ListSong_Click);
    connect(CommandSongDelete, &KButton::clicked, this, &FormLang::CommandSongDelete_Click);
    connect(CommandSongClear, &KButton::clicked, this, &FormLang::CommandSongClear_Click);
    connect(TimerReset, &KTimer::Timer, this, &FormLang::TimerReset_Timer);
}

void FormLang::Form_Load()
{
    SongRestoreIndex = -1;
    ComboGod->setListIndex(Chara.God);
    // A reopened window finds the record's languages in place: the counts
    // must measure them against the character's own allowance, not against
    // none, until the next refresh derives it anew.
    const LangAllowance a = DeriveAllowance(Chara);
    LangBase = a.base;
    ExtraLangPicks = a.extraPicks;
    ComboLang->setListIndex(0);
    ComboSong->setListIndex(0);
    ProfileLock[5] = 0;
}

void FormLang::Form_Unload()
{
    mdiFormKT()->KTMenuLang->setChecked(false);
}

// ---------------------------------------------------------------- deity

void FormLang::ComboGod_Click()
{
    Randomize();
    const int d = ComboGod->listIndex();
    const int entry = DeityAfterRules(Chara, d, [] { return Rnd(); });
    if (entry != d) {
        // A selection made by the rules continues this run; it must not start it anew.
        const QSignalBlocker block(ComboGod);
        ComboGod->setCurrentIndex(entry);
    }
    if (entry >= 0 && entry != Chara.God) {
        Chara.God = Byte(entry);
        // The priest's row in the skills list follows the deity. That
        // refresh asks for this window's in turn, which must not cost the
        // user the languages chosen: the deity gives or takes none.
        formExp()->TimerReset->setEnabled(true);
        m_keepChosen = true;
    }
    ProfileLock[5] = 1;
}

// ---------------------------------------------------------------- languages

int FormLang::currentLanguage() const
{
    const int l = ComboLang->listIndex();
    return l >= 0 ? l + 1 : 0;
}

void FormLang::ComboLang_Click()
{
    languageChosenSteps();
}

void FormLang::languageChosenSteps()
{
    const int n = currentLanguage();
    if (n < 1)
        return;
    // Showing a state runs the box's own steps; the state shown is the
    // record's, so that run changes nothing.
    CheckLang[SpeakColumn]->setValue(Chara.LangFlag(n, SpeakColumn));
    CheckLang[ReadColumn]->setValue(Chara.LangFlag(n, ReadColumn));
    if (n > LastReadableLanguage) {
        CheckLang[ReadColumn]->setEnabled(false);
        checkSteps(SpeakColumn);
    } else {
        CheckLang[ReadColumn]->setEnabled(true);
        checkSteps(SpeakColumn);
        checkSteps(ReadColumn);
    }
}

void FormLang::CheckLang_Click(int k)
{
    checkSteps(k);
}

void FormLang::checkSteps(int k)
{
    const int n = currentLanguage();
    if (n < 1)
        return;
    const LangCheck outcome = ApplyLanguageCheck(Chara, n, k, CheckLang[k]->value());
    if (outcome == LangCheck::GivenKept) {
        Beep();
        CheckLang[k]->setValue(LangGiven); // runs these steps again with the box grey
        return;
    }
    if (outcome == LangCheck::MotherTongueSwapped)
        TimerReset->setEnabled(true); // the given languages follow the new mother tongue

    const int extra = CountLanguages(Chara, LangAllowance{LangBase, ExtraLangPicks});
    // Only the user's new check is refused: states already in the record (a
    // loaded character's) stay as they are.
    if (extra < 0 && outcome == LangCheck::Added) {
        Beep();
        Chara.LangFlag(n, k) = LangNotTaken;
        CheckLang[k]->setValue(0); // runs these steps again with the box clear
        return;
    }

    for (int c = 0; c < 2; ++c) {
        const QList<LangRow> rows = LanguageRows(Chara, c);
        fillRows(ListLang[c], rows);
        StoreLanguageNames(Chara, c, rows);
    }
    const std::array<int, 2> rest = RemainingLanguages(Chara, LangAllowance{LangBase, ExtraLangPicks}, extra);
    for (int c = 0; c < 2; ++c)
        LabelMaxLang[c]->setCaption(NumText(rest[size_t(c)]));
}

void FormLang::CommandLangDelete_Click(int k)
{
    const int row = ListLang[k]->listIndex();
    const int n = row >= 0 ? ListLang[k]->rowData(row) : FixedRowData;
    if (n < 1 || n > LanguageCount) {
        Beep();
        return;
    }
    // Given languages go too; the next refresh brings them back.
    Chara.LangFlag(n, k) = LangNotTaken;
    languageChosenSteps();
}

void FormLang::CommandReset_Click(int)
{
    TimerReset->setEnabled(true);
}

// ---------------------------------------------------------------- songs

int FormLang::currentSong() const
{
    const int s = ComboSong->listIndex();
    return s >= 0 ? s + 1 : 0;
}

void FormLang::ComboSong_Click()
{
    songChosenSteps();
}

void FormLang::songChosenSteps()
{
    const int m = currentSong();
    if (m < 1)
        return;
    // Either way the song-check steps run once: a second run would rebuild
    // the list and lose the row selected again by the first.
    const int shown = Chara.SongFlag[size_t(m)] != 0 ? 1 : 0;
    if (CheckSong->value() != shown)
        CheckSong->setValue(shown);
    else
        songCheckSteps();
}

void FormLang::CheckSong_Click()
{
    songCheckSteps();
}

void FormLang::songCheckSteps()
{
    const int m = currentSong();
    if (m < 1)
        return;
    const bool wasLearned = Chara.SongFlag[size_t(m)] != 0;
    const int box = CheckSong->value();
    const int learned = ApplySongCheck(Chara, m, box);
    // As with languages, only the song just checked is refused.
    if (learned > Chara.SkillLevel[SkillBard] && !wasLearned && box != 0) {
        Beep();
        Chara.SongFlag[size_t(m)] = 0;
        CheckSong->setValue(0); // runs these steps again with the box clear
        return;
    }

    const QList<LangRow> rows = SongRows(Chara);
    fillRows(ListSong, rows);
    StoreSongNames(Chara, rows);
    LabelMaxSongs->setCaption(NumText(RemainingSongs(Chara)));
    const int restore = SongRestoreIndex;
    SongRestoreIndex = -1;
    if (restore >= 0 && restore < ListSong->count())
        ListSong->setListIndex(restore);
}

void FormLang::ListSong_Click()
{
    const int row = ListSong->listIndex();
    if (row < 0)
        return;
    const int m = ListSong->rowData(row);
    if (m < 1 || m > SongCount)
        return;
    if (m == currentSong()) {
        // The combo shows the song already: no rebuild follows, and a
        // restore left pending would move a later rebuild's selection.
        SongRestoreIndex = -1;
        return;
    }
    SongRestoreIndex = row;
    ComboSong->setListIndex(m - 1); // runs the song-chosen steps
}

void FormLang::CommandSongDelete_Click()
{
    const int row = ListSong->listIndex();
    if (row < 0)
        return;
    const int m = ListSong->rowData(row);
    if (m >= 1 && m <= SongCount)
        Chara.SongFlag[size_t(m)] = 0;
    songChosenSteps();
}

void FormLang::CommandSongClear_Click()
{
    for (int m = 1; m <= SongCount; ++m)
        Chara.SongFlag[size_t(m)] = 0;
    songChosenSteps();
}

// ---------------------------------------------------------------- refresh

void FormLang::TimerReset_Timer()
{
    TimerReset->setEnabled(false);
    // Only a request that follows a deity change keeps the chosen
    // languages; a deity change made below counts for the next refresh.
    const bool keepChosen = m_keepChosen;
    m_keepChosen = false;

    // A refresh is no choice by hand.
    const Byte deityLock = ProfileLock[5];
    ComboGod_Click();
    if (deityLock == 0)
        ProfileLock[5] = 0;

    DropSongsBeyondLimit(Chara);
    songChosenSteps();

    const auto before = Chara.LangFlag;
    const LangAllowance previous{LangBase, ExtraLangPicks};
    const LangAllowance a = ApplyGivenLanguages(Chara);
    // Kept only while they still fit: the picks are the same as before.
    if (keepChosen && a == previous)
        RestoreChosenLanguages(Chara, before);
    LangBase = a.base;
    ExtraLangPicks = a.extraPicks;
    if (CharacterLoaded == 1) {
        // The choices stored with a loaded character replace the derived ones, once.
        for (int k = 0; k < 2; ++k)
            for (int n = 0; n <= LanguageCount; ++n)
                Chara.LangFlag(n, k) = CharaWork.LangFlag(n, k);
        CharacterLoaded = 0;
    }

    if (ComboLang->listIndex() == 0)
        languageChosenSteps();
    else
        ComboLang->setListIndex(0);
}

void FormLang::ShowLoaded(const CharaRecord &rec)
{
    // The deity steps run for the loaded deity even when it is the one shown.
    ComboGod->setListIndexAlways(rec.God);
    // The list shows the loaded songs the bard level allows (the refresh
    // that follows rebuilds it from the song states).
    ListSong->clearRows();
    const int shown = std::min<int>(rec.SkillLevel[SkillBard], int(rec.SongName.size()));
    for (int i = 0; i < shown; ++i)
        if (!rec.SongName[size_t(i)].isEmpty())
            ListSong->addRow(rec.SongName[size_t(i)], SongNumber(rec.SongName[size_t(i)]));
}

FormLang *formLang()
{
    static QPointer<FormLang> form;
    return ensureChildForm(form);
}

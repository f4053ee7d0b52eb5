// The languages window: the deity, the languages spoken and read, and the
// bard songs. The rules live in lang_rules; this class holds the controls,
// the allowance of the last refresh and the reaction to each control event.
#pragma once

#include <array>
#include "languages/lang_rules.h"
#include "shell/forms.h"

class KButton;
class KCheck;
class KCombo;
class KLabel;
class KList;
class KTimer;

class FormLang : public ChildForm {
    Q_OBJECT
public:
    FormLang();
    void Form_Load() override;
    void Form_Unload() override;

    void ComboGod_Click();
    void ComboLang_Click();
    void CheckLang_Click(int k);
    void CommandLangDelete_Click(int k);
    void CommandReset_Click(int k);
    void ComboSong_Click();
    void CheckSong_Click();
    void ListSong_Click();
    void CommandSongDelete_Click();
    void CommandSongClear_Click();
    void TimerReset_Timer();
    // The abilities window's loaded-character refresh: this window's part.
    void ShowLoaded(const CharaRecord &rec);

    KLabel *Label[9] = {};
    KCombo *ComboGod;
    KCombo *ComboLang;
    KCheck *CheckLang[2];
    KList *ListLang[2];
    KLabel *LabelMaxLang[2];
    KButton *CommandLangDelete[2];
    KButton *CommandReset[2];
    KCombo *ComboSong;
    KCheck *CheckSong;
    KList *ListSong;
    KLabel *LabelMaxSongs;
    KButton *CommandSongDelete;
    KButton *CommandSongClear;
    KTimer *TimerReset;

    // Languages per column that cost no pick.
    std::array<int, 2> LangBase{};
    // Languages that may be added beyond LangBase (from セージ).
    int ExtraLangPicks = 0;
    // Song-list row to select again once the list is rebuilt; -1 none.
    int SongRestoreIndex = -1;

private:
    void languageChosenSteps();
    void checkSteps(int k);
    void songChosenSteps();
    void songCheckSteps();
    int currentLanguage() const;
    int currentSong() const;

    // Set by a deity change: the refresh that follows it keeps the chosen languages.
    bool m_keepChosen = false;
};

// The sheet window: the character sheet text and the list of saved
// characters, a top-level window of its own beside the main window.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>

#include "sheet/char_list.h"

class KButton;
class KFileList;
class KList;
class KPicture;
class KText;
class KTimer;
class QAction;

class FormTextSheet : public QMainWindow {
    Q_OBJECT
public:
    FormTextSheet();
    bool unloaded() const { return m_unloaded; }

    void Form_Load();
    // A person's activation of the window: the list is rebuilt.
    void Form_Activate();
    void Form_Resize();
    void MenuMode_Click(int index);
    void MenuCrLfMode_Click(int index);
    void MenuClose_Click();
    void MenuEnd_Click();
    void TimerFMode_Timer();
    void TimerSheet_Timer();

    // The character list.
    // How a pass gives a file its regular name (replaced by tests to stage a
    // folder that keeps changing under the pass).
    std::function<bool(const QString &from, const QString &to)> renameFile;
    void FileCL_PathChange();
    void ListC_Click();
    void ListSort_Click();
    void CommandC_Click();
    void CommandW_Click();
    void CommandD_Click();
    void MenuListSort_Click(int index);
    void MenuListSortSkill_Click(int index);
    // The list pass over the characters folder (also run by a refresh).
    void RefreshList();
    // Table building and sorting.
    void FileCL_Click();
    // The sheet's portrait box (defined with the portrait subsystem).
    void FilePL_Click();
    void ImagePort_Click();
    // The render's first step: shows CharaWork's portrait in ImagePort.
    void ShowSheetPortrait();

    KText *TextSheet;
    KList *ListC;
    KList *ListSort;
    KFileList *FileCL;
    KFileList *FilePL;
    KPicture *ImagePort;
    KTimer *TimerFMode;
    KTimer *TimerSheet;
    KButton *CommandC;
    KButton *CommandW;
    KButton *CommandD;
    QAction *MenuMode[2] = {};
    QAction *MenuCrLfMode[3] = {};
    QAction *MenuListSort[3] = {};
    QAction *MenuListSortSkill[9] = {};

    // The name the next new character is saved under.
    QString NewFileName;
    // One entry per ListC row, moved with the rows when sorting.
    QList<ListEntry> ListData;
    int NameFixed = 0;

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void createMenus();
    QString charactersFolder() const;
    // One pass over the files; savedFile is a file just written for the
    // edited character that the previous listing does not hold yet.
    void listPass(const QString &savedFile);
    // Reads and renumbers every listed file and fills the list; with renames,
    // true when a file got its regular name.
    bool passOverFiles(QString &editedFile, bool renames = true);
    // The row of the character being edited (item data 0), wherever a sort put it.
    int editedRow() const;
    void selectEditedRow();
    void showCharaNo();
    QList<ListRow> listRows() const;
    void setListRows(const QList<ListRow> &rows);
    // Writes the edited character to a file of the folder and rebuilds the list.
    void saveTo(const QString &name);

    bool m_unloaded = false;
    // The files as the last pass left them: list row k is file k − 1.
    QStringList m_listed;
    bool m_listedOnce = false;
    bool m_inPass = false;
    // The last of the program's windows activated before this one was one
    // of its own message boxes.
    bool m_afterOwnBox = false;
};

bool FormTextSheetExists();

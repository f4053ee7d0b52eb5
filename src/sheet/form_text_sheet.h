// The sheet window: the character sheet text and the list of saved
// characters, a top-level window of its own beside the main window.
#pragma once

#include <QMainWindow>

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
    void Form_Activate() {}
    void MenuMode_Click(int index);
    void MenuCrLfMode_Click(int index);
    void MenuClose_Click();
    void MenuEnd_Click();
    void TimerFMode_Timer();
    void TimerSheet_Timer();
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
    QAction *MenuMode[2] = {};
    QAction *MenuCrLfMode[3] = {};

protected:
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    void createMenus();
    bool m_unloaded = false;
};

bool FormTextSheetExists();

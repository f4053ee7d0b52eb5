// The main window: the frame of all editing work, its menus, and the
// switch to the sheet window.
#pragma once

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMenu;
class ChildForm;

class MDIFormKT : public QMainWindow {
    Q_OBJECT
public:
    MDIFormKT();
    QMdiArea *area() const { return m_area; }
    // The name of the active child window, "" when none.
    QString activeChildName() const;
    // Shows a child window and makes it the active one.
    void focusChild(ChildForm *f);

    void MDIForm_Load();
    void MenuCharaList_Click();
    void MenuCharaSheetText_Click();
    void MenuClose_Click();
    void MenuExit_Click();
    void MenuAllOpen_Click();
    void MenuAllHide_Click();
    void KTMenuBase_Click();
    void KTMenuAbi_Click();
    void KTMenuExp_Click();
    void KTMenuEq_Click();
    void KTMenuLang_Click();
    void MenuPort_Click();
    void MenuCopyright_Click();
    void MenuVersion_Click();

    QAction *KTMenuBase = nullptr;
    QAction *KTMenuAbi = nullptr;
    QAction *KTMenuExp = nullptr;
    QAction *KTMenuEq = nullptr;
    QAction *KTMenuLang = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override;

private:
    void createMenus();
    void toggleWindow(ChildForm *f, QAction *item);
    void activateLastVisibleChild();

    QMdiArea *m_area;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_infoMenu = nullptr;
};

// The exit confirmation shared by the main window and the sheet window.
void ConfirmExit();

// Menu items: a checkable item's check mark is set only by its handler,
// never toggled by the click itself.
QAction *MakeMenuItem(QMenu *menu, const QString &name, const QString &caption, bool checkable = false);
QAction *MakeSeparator(QMenu *menu, const QString &name);
template <class Fn>
void OnMenuClick(QAction *a, Fn fn);

#include <QAction>
template <class Fn>
void OnMenuClick(QAction *a, Fn fn)
{
    QObject::connect(a, &QAction::triggered, a, [a, fn] {
        if (a->isCheckable()) {
            // Undo the toggle the click made; the handler owns the mark.
            const QSignalBlocker block(a);
            a->setChecked(!a->isChecked());
        }
        fn();
    });
}

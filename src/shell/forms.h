// The windows of the program. Every window exists at most once and is
// created on first use through its accessor; a window closed with its close
// box is destroyed and created anew (running its load handling) on next use.
#pragma once

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QPointer>

class KTimer;

// Base of the editing windows and the portrait window: an MDI child whose
// controls sit in its client area and whose size in the normal state is fixed.
class ChildForm : public QMdiSubWindow {
    Q_OBJECT
public:
    ChildForm(const QString &name, const QString &caption, int widthTw, int heightTw);
    QWidget *client() const { return m_client; }
    // Window load: build-time work is done; the load handling runs here.
    virtual void Form_Load() {}
    // Close box: clears the window's menu mark (each window names its own).
    virtual void Form_Unload() {}
    virtual void Form_Activate() {}
    int fixedWidthTw() const { return m_widthTw; }
    int fixedHeightTw() const { return m_heightTw; }
    // True once closed with the close box: the window is on its way out.
    bool unloaded() const { return m_unloaded; }
protected:
    void resizeEvent(QResizeEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void changeEvent(QEvent *e) override;
private:
    void keepFixedSize();
    QWidget *m_client;
    int m_widthTw;
    int m_heightTw;
    bool m_forcing = false;
    bool m_unloaded = false;
};

class MDIFormKT;
class FormBase;
class FormAbility;
class FormExp;
class FormEquip;
class FormLang;
class FormPort;
class FormTextSheet;

// Accessors: each creates its window (hidden, load handling run) on first use.
MDIFormKT *mdiFormKT();
FormBase *formBase();
FormAbility *formAbility();
FormExp *formExp();
FormEquip *formEquip();
FormLang *formLang();
FormPort *formPort();
FormTextSheet *formTextSheet();

// Without creating anything: is the window there now?
bool formExists(const QString &name);
// A window by its name, created if needed; null for an unknown name.
QWidget *formByName(const QString &name);
const QStringList &formNames();

// Makes a top-level window the active one (its activation handling runs from
// the activation event).
void ActivateTopLevel(QWidget *w);

// Creates a child window of the main window's area, hidden, and runs its load.
template <class F>
F *ensureChildForm(QPointer<F> &slot)
{
    if (!slot || slot->unloaded()) {
        F *f = new F;
        slot = f;
        extern void AttachChildForm(ChildForm *);
        AttachChildForm(f);
        f->Form_Load();
    }
    return slot.data();
}

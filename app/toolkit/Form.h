#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QPointer>
#include <QWidget>

class QEventLoop;

// A window with the life cycle the program's windows are written against:
//  - Load<T>() builds the window hidden and runs Form_Load to the end;
//  - Show() shows it modeless, ShowModal() shows it application-modal,
//    transient for the form that opened it (kept above it by the window
//    manager), and
//    returns only once the window is unloaded (other windows take no input
//    meanwhile);
//  - Unload() hides and destroys it; the next Load builds a fresh one.
// Form_Activate runs when the window is first shown and when a modal window
// shown while it was the active form closes; switching to another program
// and back is no activation, so Qt's window-activation events are not used.
// A form also keeps a persistent backdrop image that it paints behind its
// controls, offers key preview (Form_KeyDown sees every key first) and a
// cancel button that Escape presses anywhere in the window.
class Form : public QWidget {
    Q_OBJECT
public:
    template <typename T> static T* Load() {
        auto* form = new T;
        form->Form_Load();
        return form;
    }

    void Show();
    void ShowModal();
    void Unload();
    bool isUnloaded() const { return m_unloaded; }

    // The form whose Form_Activate ran last and that still exists.
    static Form* activeForm() { return s_active; }

    void setKeyPreview(bool on) { m_keyPreview = on; }
    void setCancelButton(QAbstractButton* button) { m_cancel = button; }
    QAbstractButton* cancelButton() const { return m_cancel; }

    // The persistent drawing surface, painted on every expose: a surface
    // of horizontal bands, kept as one pixel column (Backdrop::column) and
    // stretched across the window's width.
    void setBackdrop(const QImage& column);
    // The surface as it is painted: the kept image at the window's width.
    QImage backdrop() const;

    // The window's controls in creation order: its direct children that are
    // widgets or timers.
    QList<QObject*> controls() const;

    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);

signals:
    void unloaded();

protected:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();

    static QPointer<Form> s_active;

    QImage m_backdrop;
    QPointer<QAbstractButton> m_cancel;
    QEventLoop* m_modalLoop = nullptr;
    bool m_keyPreview = false;
    bool m_shownOnce = false;
    bool m_unloaded = false;
};

#pragma once

#include <QAction>
#include <QMainWindow>

#include <type_traits>

class QAbstractButton;

// Base of the application's top-level windows: a fixed client area centred on
// the screen, no minimize or maximize box, one button that answers both Enter
// and Esc, F10 for the first menu of a menu bar, and an unload step that runs
// before the window is destroyed.
class FormWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit FormWindow(const QSize &clientSize, QWidget *parent = nullptr);

    // The client area below the menu bar, painted dark grey.
    QWidget *client() const { return m_client; }

    // Destroys the window after its Form_Unload has run. Hiding does not.
    void Unload();
    bool isUnloaded() const { return m_unloaded; }

    void setVisible(bool visible) override;

    // A menu item (or a command on the menu bar) named as its control. Its
    // command runs queued: whoever triggered it (the menu, a screen reader's
    // action) gets its answer before a window or box opens modally. A command
    // that arrives while a modal window or box is up, or once this window is
    // hidden or unloaded, is dropped: the window takes no input then, and a
    // command run later would act on what the user has since changed.
    template <class Receiver, class Handler>
    QAction *addMenuItem(QWidget *menu, const char *name, const QString &caption, Receiver *receiver,
                         Handler handler)
    {
        QAction *action = newMenuItem(menu, name, caption);
        connect(
            action, &QAction::triggered, this,
            [this, receiver, handler] {
                if (!takesCommands())
                    return;
                if constexpr (std::is_member_function_pointer_v<Handler>)
                    (receiver->*handler)();
                else
                    handler();
            },
            Qt::QueuedConnection);
        return action;
    }

protected:
    // Shown, loaded and not behind a modal window or box.
    bool takesCommands() const;

    // Enter clicks the focused button or, when no button has the focus, this
    // one; Esc always clicks it. Without one, Enter still presses the focused
    // button.
    void setDefaultAndCancel(QAbstractButton *button) { m_defaultAndCancel = button; }

    virtual void Form_Unload() {}

    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QAction *newMenuItem(QWidget *menu, const char *name, const QString &caption);

    QWidget *m_client;
    QAbstractButton *m_defaultAndCancel = nullptr;
    bool m_unloaded = false;
    bool m_centred = false;
};

// Window flags shared by every fixed window of the application.
Qt::WindowFlags FixedWindowFlags();

// Moves a top-level window to the centre of the screen it will appear on.
void CentreOnScreen(QWidget *window);

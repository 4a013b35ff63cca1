#include "app/forms/FormWindow.h"

#include "app/widgets/Look.h"
#include "platform/widgets/TopLevel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcutEvent>

namespace {

bool isUnloadedWindow(const QWidget *window)
{
    const auto *form = qobject_cast<const FormWindow *>(window);
    return form && form->isUnloaded();
}

// Keys as the user means them, for every window of the application. Keys
// typed ahead may still be on their way to a window that has just been hidden
// or unloaded: they are dropped there, so they cannot press its buttons. An
// access key presses its button at once, not after Qt's 100 ms animation,
// since the next key typed may already be on its way.
class KeyRules : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease && type != QEvent::Shortcut)
            return false;
        if (!watched->isWidgetType())
            return false;
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        if (!window->isVisible() || isUnloadedWindow(window))
            return true;
        if (type == QEvent::Shortcut) {
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (button && !static_cast<QShortcutEvent *>(event)->isAmbiguous()) {
                button->click();
                return true;
            }
        }
        return false;
    }
};

} // namespace

Qt::WindowFlags FixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void CentreOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

FormWindow::FormWindow(const QSize &clientSize, QWidget *parent)
    : QMainWindow(parent, FixedWindowFlags())
    , m_client(new QWidget(this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Once for the application, which owns them.
    static const bool keyRules = [] {
        qApp->installEventFilter(new KeyRules(qApp));
        return true;
    }();
    Q_UNUSED(keyRules);
    setFont(look::font(8.25));
    m_client->setFixedSize(clientSize);
    look::paintPanel(m_client);
    setCentralWidget(m_client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void FormWindow::setVisible(bool visible)
{
    if (visible)
        platform::PrepareTopLevel(this);
    QMainWindow::setVisible(visible);
}

void FormWindow::Unload()
{
    close();
}

bool FormWindow::takesCommands() const
{
    return !m_unloaded && isVisible() && !QApplication::activeModalWidget();
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
    if (focused && !focused->isEnabled())
        focused = nullptr;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter presses the focused button, else the window's own.
        if (QAbstractButton *target = focused ? focused : m_defaultAndCancel) {
            target->click();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (m_defaultAndCancel) {
            m_defaultAndCancel->click();
            return;
        }
        break;
    case Qt::Key_F10:
        // F10 opens the first menu, as GNOME, KDE and Windows users expect.
        if (auto *bar = qobject_cast<QMenuBar *>(menuWidget()); bar && event->modifiers() == Qt::NoModifier) {
            for (QAction *action : bar->actions()) {
                if (action->menu() && action->isVisible()) {
                    bar->setActiveAction(action);
                    return;
                }
            }
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // An unload is never refused; the handler runs once, before the window
    // goes.
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    event->accept();
}

void FormWindow::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        adjustSize();
        CentreOnScreen(this);
    }
    QMainWindow::showEvent(event);
}

QAction *FormWindow::newMenuItem(QWidget *menu, const char *name, const QString &caption)
{
    auto *action = new QAction(caption, menu);
    action->setObjectName(QString::fromLatin1(name));
    menu->addAction(action);
    return action;
}

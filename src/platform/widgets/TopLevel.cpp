#include "platform/widgets/TopLevel.h"

#include "platform/widgets/TopMost.h"

#include <QCoreApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// An icon that is not null but has no picture, so QWindow::icon() does not
// fall back to the application icon and nothing is rendered for it.
class NoPictureEngine : public QIconEngine
{
public:
    void paint(QPainter *, const QRect &, QIcon::Mode, QIcon::State) override {}
    QPixmap pixmap(const QSize &, QIcon::Mode, QIcon::State) override { return {}; }
    QIconEngine *clone() const override { return new NoPictureEngine; }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {}; }
    bool isNull() override { return false; }
};

// On creation the native window first sends QWindow::icon() (falling back to
// the application icon), then QWidget::create() sends the widget's icon again:
// on X11 each is every size rendered and a few hundred KB to the server. The
// QWindow is made now (a top-level is native anyway; the guard keeps its
// parent's children from being made native too) and gets an icon without a
// picture, so the first send only clears the property that the second one
// fills with the widget's icon.
void makeWindowWithoutIcon(QWidget *window)
{
    const bool siblings = !QCoreApplication::testAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, true);
    const bool native = window->testAttribute(Qt::WA_NativeWindow);
    window->setAttribute(Qt::WA_NativeWindow, true);
    window->setAttribute(Qt::WA_NativeWindow, native);
    QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings, !siblings);
    if (QWindow *handle = window->windowHandle())
        handle->setIcon(QIcon(new NoPictureEngine));
}

// Qt draws the focus frame only once the focus has moved by a key, and
// forgets that whenever the window is shown; a keyboard user must see from
// the start what Enter or Space will press.
class FocusFrameFromTheStart : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            static_cast<QWidget *>(watched)->setAttribute(Qt::WA_KeyboardFocusChange);
        return false;
    }
};

} // namespace

void PrepareTopLevel(QWidget *window, QWindow *owner)
{
    if (!window->isWindow() || window->testAttribute(Qt::WA_WState_Created))
        return;
    window->installEventFilter(new FocusFrameFromTheStart(window));
    // Now: a flag changed later would make Qt build the native window anew.
    if (owner && KeptOnTop(owner))
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    makeWindowWithoutIcon(window);
    // Not a parent widget: a box on the stack would be deleted twice if its
    // owner went first. Qt hands the transient parent to the window manager
    // (WM_TRANSIENT_FOR) and, on Windows, makes the owner's HWND the owner of
    // the new one when it creates it.
    if (owner && window->windowHandle())
        window->windowHandle()->setTransientParent(owner);
}

} // namespace platform

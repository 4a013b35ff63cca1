#include "support/TestSupport.h"

#include "app/forms/FormWindow.h"
#include "platform/widgets/TopMost.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

QStringList LeftoverWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits("QMenu") || w->windowType() == Qt::Popup || w->inherits("QComboBoxPrivateContainer"))
            continue;
        names.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
    }
    return names;
}

bool IsLoaded(const char *name)
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        const auto *form = qobject_cast<const FormWindow *>(w);
        if (form && form->objectName() == QLatin1String(name) && !form->isUnloaded())
            return true;
    }
    return false;
}

bool IsTopMost(const QWidget *window)
{
    // As the application itself asks: the flag, or on Windows the system's
    // top-most style. A window without a native one yet has only the flag.
    const QWindow *handle = window->windowHandle();
    return handle ? platform::KeptOnTop(handle) : window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

QWidget *NextTabStop(QWidget *w)
{
    QWidget *next = w->nextInFocusChain();
    while (next != w
           && (!(next->focusPolicy() & Qt::TabFocus) || !next->isEnabled() || !next->isVisibleTo(next->window())))
        next = next->nextInFocusChain();
    return next;
}

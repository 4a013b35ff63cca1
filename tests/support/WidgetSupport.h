#pragma once

// Helpers for tests that show widgets, header-only so that a suite of the
// platform's widget side links nothing of the application's windows.

#include <QApplication>
#include <QByteArray>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

// The child of window with the given object name; a missing one ends the test
// run, since every later check would be meaningless.
template <class T>
T *Child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s named %s", T::staticMetaObject.className(), name);
    return found;
}

// Shows a window, makes it the active one and waits until it is, so focus and
// access keys behave as for a user. A window that never activates ends the run.
template <class W>
W *ShowActive(W *window)
{
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        qFatal("%s did not become active", qPrintable(window->objectName()));
    return window;
}

// Once a modal window of type W is up, hands it to act, which is expected to
// close it. Call before the code that opens the window and blocks. A window
// that is not up within the deadline ends the run with a message naming the
// test, rather than leaving the caller blocked until CTest kills it.
template <class W>
void WhenModalAppears(std::function<void(W *)> act, std::chrono::milliseconds deadline = std::chrono::seconds(10))
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QElapsedTimer waited;
    waited.start();
    QByteArray test = QTest::currentTestFunction();
    if (const char *tag = QTest::currentDataTag())
        test += '(' + QByteArray(tag) + ')';
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, waited, deadline, test] {
        if (auto *window = qobject_cast<W *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(window);
        } else if (waited.elapsed() > deadline.count()) {
            timer->stop();
            const QWidget *other = QApplication::activeModalWidget();
            qFatal("WhenModalAppears in %s: no %s became the active modal window within %lld ms "
                   "(the active modal window: %s)",
                   test.constData(), W::staticMetaObject.className(), static_cast<long long>(deadline.count()),
                   other ? other->metaObject()->className() : "none");
        }
    });
    timer->start();
}

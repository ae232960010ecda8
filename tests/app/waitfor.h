// Waiting for something a test caused to happen, on a machine that may be
// busy: events are processed until it has happened, up to a generous ceiling.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>
#include <functional>

constexpr int kWaitCeilingMs = 60000;

// Lets what was posted arrive (commands, deferred deletes, zero timers) without sleeping.
inline void Pump()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// True as soon as done() holds; false when the ceiling passed first.
template <class Done>
bool WaitFor(Done done, int nCeilingMs = kWaitCeilingMs)
{
    const QDeadlineTimer deadline(nCeilingMs);
    while (!done()) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(10);
    }
    return true;
}

// Runs act on the next modal window once it is on the screen; one that never
// came before the ceiling is left.
inline void WhenModalShown(std::function<void(QWidget*)> act, QDeadlineTimer ceiling = QDeadlineTimer(kWaitCeilingMs))
{
    QTimer::singleShot(10, [act, ceiling] {
        if (QWidget* modal = QApplication::activeModalWidget())
            act(modal);
        else if (!ceiling.hasExpired())
            WhenModalShown(act, ceiling);
    });
}

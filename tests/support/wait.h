#pragma once
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

// Delivers events until the condition holds or the time is up; answers the condition.
template <typename Condition>
bool waitUntil(Condition condition, int milliseconds = 20000) {
    QElapsedTimer clock;
    clock.start();
    QTimer wake;  // the wait below ends at the next event, this one at the latest
    wake.start(2);
    while (!condition() && clock.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return condition();
}

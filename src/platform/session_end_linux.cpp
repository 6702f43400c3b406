#include "platform/session_end.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <unistd.h>

namespace {
int wakePipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(wakePipe[1], &byte, 1);
}
}  // namespace

void watchSessionEnd(std::function<void()> handler) {
    if (::pipe(wakePipe) != 0) return;
    // The application owns the notifier and deletes it as it ends.
    auto* notifier = new QSocketNotifier(wakePipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [notifier, handler] {
        notifier->setEnabled(false);
        for (int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, SIG_DFL);
        handler();
    });
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) std::signal(signal, onSignal);
}

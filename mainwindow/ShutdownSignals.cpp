#include "mainwindow/ShutdownSignals.h"

#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <csignal>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGHUP, SIGINT};
int WakePipe[2] = {-1, -1};

void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] ssize_t n = ::write(WakePipe[1], &byte, 1);
    errno = saved;
}

void Mask(int how)
{
    sigset_t set;
    sigemptyset(&set);
    for (int s : Signals)
        sigaddset(&set, s);
    pthread_sigmask(how, &set, nullptr);
}

void Handle(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : Signals)
        sigaction(s, &action, nullptr);
}

} // namespace

void HoldShutdownSignals()
{
    Mask(SIG_BLOCK);
}

ShutdownSignals::ShutdownSignals()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, WakePipe) != 0)
        return;
    notifier_ = new QSocketNotifier(WakePipe[0], QSocketNotifier::Read, this);
    // Tried again until the window has closed: a box may open as the signal
    // comes, or after one closed, and the window is not there yet at start-up.
    retry_ = new QTimer(this);
    retry_->setInterval(100);
    connect(retry_, &QTimer::timeout, this, &ShutdownSignals::closeNext);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(WakePipe[0], bytes, sizeof bytes) > 0) {
        }
        retry_->start();
    });
    Handle(OnSignal);
    Mask(SIG_UNBLOCK); // one held back meanwhile arrives now
}

ShutdownSignals::~ShutdownSignals()
{
    if (WakePipe[0] < 0)
        return;
    Handle(SIG_DFL);
    delete notifier_;
    ::close(WakePipe[0]);
    ::close(WakePipe[1]);
    WakePipe[0] = WakePipe[1] = -1;
}

void ShutdownSignals::closeWindow(MainWindow& main)
{
    main_ = &main;
}

void ShutdownSignals::closeNext()
{
    // Closing a box counts as its cancel (No, Cancel, or OK where it has
    // nothing else). Its caller goes on with that answer before the window
    // closes under it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->close())
        return;
    if (main_ && main_->close())
        retry_->stop();
}

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

class SignalCatcher : public QObject {
public:
    explicit SignalCatcher(MainWindow& main) : QObject(&main)
    {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, WakePipe) != 0)
            return;
        notifier_ = new QSocketNotifier(WakePipe[0], QSocketNotifier::Read, this);
        // A dialog waiting for an answer (one may open as the signal comes)
        // would hold the close back: it is cancelled, which saves nothing,
        // and the close tried again until the window has closed.
        auto* retry = new QTimer(this);
        retry->setInterval(100);
        connect(retry, &QTimer::timeout, this, [&main, retry] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            if (main.close())
                retry->stop();
        });
        connect(notifier_, &QSocketNotifier::activated, this, [retry] {
            char bytes[16];
            while (::read(WakePipe[0], bytes, sizeof bytes) > 0) {
            }
            retry->start();
        });
        Handle(OnSignal);
    }
    ~SignalCatcher() override
    {
        if (WakePipe[0] < 0)
            return;
        Handle(SIG_DFL);
        delete notifier_;
        ::close(WakePipe[0]);
        ::close(WakePipe[1]);
        WakePipe[0] = WakePipe[1] = -1;
    }

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace

void HoldShutdownSignals()
{
    Mask(SIG_BLOCK);
}

void CloseOnShutdownSignals(MainWindow& main)
{
    new SignalCatcher(main);
    Mask(SIG_UNBLOCK); // one held back meanwhile arrives now
}

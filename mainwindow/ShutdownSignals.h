#pragma once
// A logout, kill or Ctrl+C in the terminal (SIGTERM, SIGHUP, SIGINT) closes
// the main window as its exit button does: a running scan is stopped first,
// the settings are written and the work folder emptied. A box or dialog
// waiting for an answer, at start-up too, is closed first as if cancelled
// (a question answered by nobody is answered No). The signal only wakes the
// event loop; the work runs there.

#include <QObject>
#include <QPointer>

class MainWindow;
class QSocketNotifier;
class QTimer;

// Holds the signals back (in every thread started after it) until a
// ShutdownSignals takes them, so that one sent while the program starts is
// not lost nor ends the process half-started.
void HoldShutdownSignals();

// Takes the signals while it lasts; afterwards they end the process again.
class ShutdownSignals : public QObject {
public:
    ShutdownSignals();
    ~ShutdownSignals() override;
    ShutdownSignals(const ShutdownSignals&) = delete;
    ShutdownSignals& operator=(const ShutdownSignals&) = delete;

    // The started window: a signal, one taken before too, closes it once no
    // box is left open. Until then a signal closes only the boxes.
    void closeWindow(MainWindow& main);

private:
    void closeNext();

    QSocketNotifier* notifier_ = nullptr;
    QTimer* retry_ = nullptr;
    QPointer<MainWindow> main_;
};

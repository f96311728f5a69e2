#pragma once
// A logout, kill or Ctrl+C in the terminal (SIGTERM, SIGHUP, SIGINT) closes
// the main window as its exit button does: a running scan is stopped first,
// the settings are written and the work folder emptied. The signal only
// wakes the event loop; the work runs there.

class MainWindow;

// Holds the signals back (in every thread started after it) until
// CloseOnShutdownSignals takes them, so that one sent while the window is
// being made is not lost nor ends the process half-started.
void HoldShutdownSignals();

// Lasts as long as the window; afterwards the signals end the process again.
void CloseOnShutdownSignals(MainWindow& main);

#pragma once
// A window's place among the others: kept above every other window or not,
// and with a task-bar button or not.

class QWidget;

// Keeps the window above the others (or lets it go) without moving, sizing or
// activating it. A hidden window stays hidden: only a shown one is re-shown.
void FormStayOnTop(QWidget* window, bool on);

// Gives the window a task-bar button or takes it away. The window is shown
// again afterwards unless hiddenToTray says it lives in the tray for now.
void FormInTaskBar(QWidget* window, bool show, bool hiddenToTray);

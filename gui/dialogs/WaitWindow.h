#pragma once
// The small window that stands above everything while long work runs. It
// lives for one piece of work: showing it puts it on top; when it goes, the
// main window returns to its own stay-on-top setting.

#include <QWidget>

#include <functional>

class WaitWindow : public QWidget {
    Q_OBJECT
public:
    // restoreMainOnTop: puts the main window back as its setting says.
    explicit WaitWindow(std::function<void()> restoreMainOnTop);
    ~WaitWindow() override;

private:
    std::function<void()> restoreMainOnTop_;
};

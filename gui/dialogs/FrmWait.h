#pragma once
// The small window that stands above everything while long work runs. It
// lives for one piece of work: showing it puts it on top; when it goes, the
// main window returns to its own stay-on-top setting.

#include <QWidget>

#include <functional>

class FrmWait : public QWidget {
    Q_OBJECT
public:
    // restoreMainOnTop: puts the main window back as its setting says.
    explicit FrmWait(std::function<void()> restoreMainOnTop);
    ~FrmWait() override;

private:
    std::function<void()> restoreMainOnTop_;
};

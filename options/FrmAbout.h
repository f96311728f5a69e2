#pragma once
// The about box: the program's name and version, the maker's pages and the
// credited programming sites (opened with the desktop's browser), and the
// desktop's system-information tool. Modal; made anew for every showing, so
// it always opens on its first tab. Its texts are fixed, except the side
// bar's first word.

#include <QDialog>

#include <memory>

struct AppContext;
class CLogo;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabBar;

// The system-information tools looked for on PATH, in this order.
inline constexpr const char* SystemInfoTools[] = {"hardinfo", "kinfocenter", "lshw-gtk"};

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmAbout";

    explicit FrmAbout(AppContext& app);
    ~FrmAbout() override;

    // Starts the first system-information tool found; without one, says so.
    void StartSysInfo();
    // Shows the frame of the tab with that key ("ABOUT", "SUPPORT", "THANK").
    void TabStrip_Click(const QString& key);

    QLabel* picSideBar;
    QLabel* lblTitle;
    QTabBar* TabStrip;
    QWidget* fraAbout;
    QWidget* fraSupport;
    QWidget* fraThanks;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* link(QWidget* frame, const char* name, const char* caption, const char* address);

    AppContext& app_;
    std::unique_ptr<CLogo> logo_;
    QStackedWidget* frames_;
};

// Shows the about box modally, owned by owner when one is given.
void ShowAboutBox(AppContext& app, QWidget* owner);

#pragma once
// The about box: the program's name and version, the maker's pages and the
// credited programming sites (opened with the desktop's browser), and the
// desktop's system-information tool. Modal; made anew for every showing, so
// it always opens on its first tab. Its texts are fixed, except the side
// bar's first word.

#include <QDialog>

#include <initializer_list>

struct AppContext;
class DialogSideBar;
class QStackedWidget;

// The system-information tools looked for on PATH, in this order.
inline constexpr const char* SystemInfoTools[] = {"hardinfo", "kinfocenter", "lshw-gtk"};

class AboutBox : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmAbout";

    explicit AboutBox(AppContext& app);
    ~AboutBox() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Starts the first system-information tool found; without one, says so.
    void startSystemInfo();
    // Shows the frame of the tab with that key ("ABOUT", "SUPPORT", "THANK").
    void showTab(const QString& key);
    // A caption, then the address it names, shown and opened on a click.
    struct LinkRow {
        const char* captionName;
        const char* caption;
        const char* linkName;
        const char* shown;
        const char* address;
    };
    // thanks: the closing line of the Thanks frame.
    QWidget* linkFrame(const char* name, std::initializer_list<LinkRow> rows, const char* thanks = nullptr);

    AppContext& app_;
    DialogSideBar* sideBar_;
    QStackedWidget* frames_ = nullptr;
    QWidget* aboutPage_ = nullptr;
    QWidget* supportPage_ = nullptr;
    QWidget* thanksPage_ = nullptr;
};

// Shows the about box modally, owned by owner when one is given.
void ShowAboutBox(AppContext& app, QWidget* owner);

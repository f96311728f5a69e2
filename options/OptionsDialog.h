#pragma once
// The options dialog: modeless, above the other windows while it is open,
// with its page tree on the left and one page shown at a time. It fills
// itself from the settings when it opens (which changes nothing); the pages
// apply and store their changes as they come; closing stores the rest and
// gives the main window back its own stay-on-top state.

#include "language/WindowTexts.h"
#include "options/UpdateCheck.h"

#include <QWidget>

#include <memory>

struct AppContext;
class DialogSideBar;
class DisplayPage;
class FileTypePage;
class FontPage;
class LanguagePage;
class MainWindowLink;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class ReportPage;
class SetupPage;
class SkinsPage;

class OptionsDialog : public QWidget, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmOption";

    OptionsDialog(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, const UpdateSetup& updateSetup = {});
    ~OptionsDialog() override;

    void retranslate() override;

    // The page shown: "SETUP", "DISPLAY", "FILETYPE", "LANG", "SKINS", "REPORT" or "FONT".
    QString page() const { return page_; }
    // Shows the page of the tree node with that key (compared exactly); another key changes nothing.
    void showPage(const QString& key);

    QLabel* sideBarPicture;
    QTreeWidget* pageTree;
    QPushButton* exitButton;
    SetupPage* setup;
    DisplayPage* display;
    FileTypePage* fileTypes;
    LanguagePage* language;
    ReportPage* report;
    FontPage* fonts;
    SkinsPage* skins;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTree();
    void hoverNode(QTreeWidgetItem* hovered);
    // What closing stores; runs once.
    void storeOnClose();

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    DialogSideBar* sideBar_;
    QStackedWidget* pages_;
    QString page_ = QStringLiteral("SETUP");
    bool unloaded_ = false;
};

// Shows the options dialog, made now when it is not open, and brings it forward.
void ShowOptionsDialog(AppContext& app);

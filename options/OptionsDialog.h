#pragma once
// The options dialog: modeless, above the other windows while it is open,
// with its page tree on the left and one page shown at a time. It fills
// itself from the settings when it opens (which changes nothing); the pages
// apply and store their changes as they come; closing has each page apply
// the rest and gives the main window back its own stay-on-top state.

#include "language/WindowTexts.h"
#include "options/UpdateCheck.h"

#include <QWidget>

#include <memory>

struct AppContext;
class DialogSideBar;
class FileTypePage;
class MainWindowLink;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class SetupPage;

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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTree();
    void hoverNode(QTreeWidgetItem* hovered);
    // What closing applies and stores; runs once.
    void applyOnClose();

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    DialogSideBar* sideBar_;
    QTreeWidget* pageTree_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    SetupPage* setup_ = nullptr;
    FileTypePage* fileTypes_ = nullptr;
    QString page_ = QStringLiteral("SETUP");
    bool unloaded_ = false;
};

// Shows the options dialog, made now when it is not open, and brings it forward.
void ShowOptionsDialog(AppContext& app);

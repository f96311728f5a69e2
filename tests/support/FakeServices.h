#pragma once
// The services as fakes, for widget tests: each one records what it was asked
// and answers from what the test put in. Nothing opens a real dialog, browser,
// file manager or tray icon.

#include "gui/services/Clock.h"
#include "gui/services/DesktopActions.h"
#include "gui/services/Ejector.h"
#include "gui/services/FolderChooser.h"
#include "gui/services/HelpService.h"
#include "gui/services/MountWatcher.h"
#include "gui/services/Services.h"
#include "gui/services/Tray.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/RecordingShell.h"

#include <QPointer>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

class FakeHelp final : public HelpService {
public:
    void showHelp(int context) override { contexts.push_back(context); }
    std::vector<int> contexts;
};

class FakeDesktopActions : public DesktopActions {
public:
    struct Call {
        std::string action; // "open", "openWith", "launch", "showInFolder", "copyPath",
                            // "moveToTrash", "showProperties"
        std::string path;
        QString appId; // for "launch"
        bool operator==(const Call&) const = default;
    };

    void open(const std::string& path) override
    {
        calls.push_back({"open", path, {}});
        failIfAsked();
    }
    void openWith(const std::string& path) override { calls.push_back({"openWith", path, {}}); }
    std::vector<DesktopApp> applicationsFor(const std::string&) override { return apps; }
    void launch(const QString& appId, const std::string& path) override { calls.push_back({"launch", path, appId}); }
    void showInFolder(const std::string& path) override { calls.push_back({"showInFolder", path, {}}); }
    void copyPath(const std::string& path) override { calls.push_back({"copyPath", path, {}}); }
    bool moveToTrash(const std::string& path) override
    {
        calls.push_back({"moveToTrash", path, {}});
        return trashSucceeds;
    }
    void showProperties(const std::string& path, QWidget*) override
    {
        calls.push_back({"showProperties", path, {}});
        failIfAsked();
    }

    std::vector<Call> calls;
    std::vector<DesktopApp> apps; // what applicationsFor answers
    bool trashSucceeds = true;
    std::string failure; // when set, open and showProperties throw it, as a desktop library may

private:
    void failIfAsked() const
    {
        if (!failure.empty())
            throw std::runtime_error(failure);
    }
};

class FakeFolderChooser final : public FolderChooser {
public:
    struct Ask {
        QString title;
        QString startFolder;
    };
    std::optional<QString> chooseFolder(QWidget*, const QString& title, const QString& startFolder) override;

    std::vector<Ask> asked;
    std::deque<std::optional<QString>> answers; // cancelled when empty
};

class FakeTrayIcon final : public TrayIcon {
public:
    void setIcon(const QIcon& i) override { icon = i; }
    void setToolTip(const QString& tip) override { toolTip = tip; }
    void setVisible(bool v) override { visible = v; }
    bool isVisible() const override { return visible; }
    QAction* popMenu(QMenu& menu) override;

    // A click as a tray host reports it: pressed, then released.
    void click(Qt::MouseButton button);
    void doubleClick(Qt::MouseButton button) { emit doubleClicked(button); }
    // The host goes away: the icon is hidden and hostLost is signalled.
    void loseHost();

    QIcon icon;
    QString toolTip;
    bool visible = false;
    std::vector<QStringList> menusShown; // the texts of each menu popped
    QAction* menuChoice = nullptr;       // popMenu triggers it and returns it
};

class FakeTrayFactory final : public TrayFactory {
public:
    bool hostAvailable() const override { return host; }
    std::unique_ptr<TrayIcon> create() override;
    // The icons made so far that still exist.
    std::vector<FakeTrayIcon*> liveIcons() const;

    bool host = true;

private:
    std::vector<QPointer<FakeTrayIcon>> made_;
};

class FakeMountWatcher final : public MountWatcher {
public:
    void announce(const MountInfoEntry& mount) { emit mounted(mount); }
    void unmount(const MountInfoEntry& mount) { gone.push_back(mount); }
    bool isMounted(const MountInfoEntry& mount) const override
    {
        return std::find(gone.begin(), gone.end(), mount) == gone.end();
    }
    std::vector<MountInfoEntry> gone;
};

class FakeEjector final : public Ejector {
public:
    EjectOutcome ejectDiscHolding(const std::string& folder) override
    {
        ejected.push_back(folder);
        return {succeeds, succeeds ? "" : "the drive is locked"};
    }
    std::vector<std::string> ejected;
    bool succeeds = true;
};

class FakeClock final : public Clock {
public:
    QDateTime wallTime() const override { return wall; }
    std::chrono::steady_clock::time_point steadyTime() const override { return steady; }
    void advance(std::chrono::milliseconds by)
    {
        wall = wall.addMSecs(by.count());
        steady += by;
    }

    QDateTime wall = QDateTime(QDate(2024, 1, 15), QTime(10, 30), Qt::UTC);
    std::chrono::steady_clock::time_point steady{};
};

// A whole world of fakes. It also installs a recording prompter and a
// recording shell, so RunShellExecute and the error box stay in the test.
class FakeServices {
public:
    FakeServices() = default;
    FakeServices(const FakeServices&) = delete;
    FakeServices& operator=(const FakeServices&) = delete;

    RecordingPrompter prompter;
    RecordingShell shell;
    FakeHelp help;
    FakeDesktopActions desktop;
    FakeFolderChooser folderChooser;
    FakeTrayFactory tray;
    FakeMountWatcher mounts;
    FakeEjector ejector;
    FakeClock clock;
    Services services{prompter, help, desktop, folderChooser, tray, mounts, ejector, clock};
};

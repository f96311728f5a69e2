#pragma once
// The desktop actions of a Linux desktop: xdg-open, GIO's applications, the
// freedesktop file manager and trash, the clipboard.

#include "gui/services/DesktopActions.h"

#include <QObject>

#include <functional>
#include <optional>

class Prompter;
class Shell;

class SystemDesktopActions final : public DesktopActions {
public:
    // Asks the user for an application to open the file with.
    using Chooser = std::function<std::optional<QString>(const std::string& path, ApplicationCatalog&)>;

    // opener hands a path to xdg-open; chooser defaults to our open-with dialog.
    SystemDesktopActions(Prompter& prompter, ApplicationCatalog& apps, Shell& opener, Chooser chooser = {});

    void open(const std::string& path) override;
    void openWith(const std::string& path) override;
    std::vector<DesktopApp> applicationsFor(const std::string& path) override;
    void launch(const QString& appId, const std::string& path) override;
    void showInFolder(const std::string& path) override;
    void copyPath(const std::string& path) override;
    bool moveToTrash(const std::string& path) override;
    void showProperties(const std::string& path, QWidget* owner) override;

private:
    // False, after telling the user, when path is gone.
    bool exists(const std::string& path);
    void openFolderOf(const std::string& path);

    Prompter& prompter_;
    ApplicationCatalog& apps_;
    Shell& opener_;
    Chooser chooser_;
    QObject replies_; // holds the file manager calls still waiting for an answer
};

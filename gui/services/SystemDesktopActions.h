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
    using Chooser = std::function<std::optional<QString>(const QString& path, ApplicationCatalog&)>;

    // opener hands a path to xdg-open; chooser defaults to our open-with dialog.
    SystemDesktopActions(Prompter& prompter, ApplicationCatalog& apps, Shell& opener, Chooser chooser = {});

    void open(const QString& path) override;
    void openWith(const QString& path) override;
    std::vector<DesktopApp> applicationsFor(const QString& path) override;
    void launch(const QString& appId, const QString& path) override;
    void showInFolder(const QString& path) override;
    void copyPath(const QString& path) override;
    bool moveToTrash(const QString& path) override;
    void showProperties(const QString& path, QWidget* owner) override;

private:
    // False, after telling the user, when path is gone.
    bool exists(const QString& path);
    void openFolderOf(const QString& path);

    Prompter& prompter_;
    ApplicationCatalog& apps_;
    Shell& opener_;
    Chooser chooser_;
    QObject replies_; // holds the file manager calls still waiting for an answer
};

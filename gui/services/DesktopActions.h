#pragma once
// What the desktop offers for one real file: open it, open it with another
// application, show it in its folder, copy its path, move it to the trash,
// show its properties. Each action on a file that no longer exists says so
// and does nothing else. Paths are native bytes: a name in a legacy encoding
// has no QString that leads back to it.

#include "gui/services/ApplicationCatalog.h"

#include <QString>

#include <string>
#include <vector>

class QWidget;

class DesktopActions {
public:
    virtual ~DesktopActions() = default;
    // Opens with the associated application; the open-with chooser where the
    // file's type has none. Raises AppError when the opener cannot start.
    virtual void open(const std::string& path) = 0;
    // The open-with chooser, then the chosen application.
    virtual void openWith(const std::string& path) = 0;
    virtual std::vector<DesktopApp> applicationsFor(const std::string& path) = 0;
    // Raises AppError when the application cannot start.
    virtual void launch(const QString& appId, const std::string& path) = 0;
    virtual void showInFolder(const std::string& path) = 0;
    virtual void copyPath(const std::string& path) = 0;
    // True when the file went to the trash; a failure is reported.
    virtual bool moveToTrash(const std::string& path) = 0;
    // Our properties window, owned by owner's window, not waited for.
    virtual void showProperties(const std::string& path, QWidget* owner) = 0;
};

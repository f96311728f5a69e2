#pragma once
// The desktop's applications and which of them open a file.

#include <QIcon>
#include <QString>

#include <string>
#include <vector>

struct DesktopApp {
    QString id; // the desktop entry's id ("org.gnome.gedit.desktop")
    QString name;
    QIcon icon;
};

class ApplicationCatalog {
public:
    virtual ~ApplicationCatalog() = default;
    // The applications registered for the file's type, the default first.
    virtual std::vector<DesktopApp> forFile(const std::string& path) = 0;
    // Every application the desktop shows.
    virtual std::vector<DesktopApp> all() = 0;
    // True when the desktop has a default application for the file's type.
    virtual bool hasDefaultFor(const std::string& path) = 0;
    // Starts the application on the file (native bytes) without waiting for it; raises
    // AppError when it cannot be started.
    virtual void launch(const QString& appId, const std::string& path) = 0;
};

// The applications GIO knows (the freedesktop desktop entries and MIME
// associations).
class GioApplications final : public ApplicationCatalog {
public:
    std::vector<DesktopApp> forFile(const std::string& path) override;
    std::vector<DesktopApp> all() override;
    bool hasDefaultFor(const std::string& path) override;
    void launch(const QString& appId, const std::string& path) override;
};

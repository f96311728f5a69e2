#pragma once
// An application catalog for tests: fixed lists, launches recorded.

#include "gui/services/ApplicationCatalog.h"

#include <QPixmap>

#include <string>
#include <utility>

class FakeApplications final : public ApplicationCatalog {
public:
    static DesktopApp app(const QString& id, const QString& name)
    {
        QPixmap picture(16, 16);
        picture.fill(Qt::red);
        return {id, name, QIcon(picture)};
    }

    std::vector<DesktopApp> forFile(const std::string&) override { return forType; }
    std::vector<DesktopApp> all() override { return everything; }
    bool hasDefaultFor(const std::string&) override { return hasDefault; }
    void launch(const QString& appId, const std::string& path) override { launched.emplace_back(appId, path); }

    std::vector<DesktopApp> forType;
    std::vector<DesktopApp> everything;
    bool hasDefault = false;
    std::vector<std::pair<QString, std::string>> launched; // app id, path
};

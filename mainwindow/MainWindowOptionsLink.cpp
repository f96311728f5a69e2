#include "mainwindow/MainWindowOptionsLink.h"

#include "engine/library/LibraryLists.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/WindowRegistry.h"
#include "language/LangText.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/FindLayer.h"
#include "mainwindow/MainWindow.h"
#include "options/MainWindowLink.h"

namespace {

class OptionsLink final : public MainWindowLink {
public:
    explicit OptionsLink(AppContext& app) : app_(app) {}

    QWidget* window() const override { return main(); }
    bool hiddenToTray() const override { return main() && main()->hiddenToTray(); }
    void enableTrayIcon() override
    {
        if (MainWindow* m = main())
            m->updateTrayIcon();
    }
    void disableTrayIcon() override
    {
        if (MainWindow* m = main())
            m->removeTrayIcon();
    }
    void setTrayOnTopCheck(bool on) override
    {
        if (TrayIconMenu* tray = app_.windows.find<TrayIconMenu>())
            tray->setChecked(QStringLiteral("ONTOP"), on);
    }
    void setTrayIcon(const QIcon& icon) override
    {
        if (TrayIconMenu* tray = app_.windows.find<TrayIconMenu>())
            tray->setShownIcon(icon);
    }
    void applySkin(const std::string& file) override
    {
        if (MainWindow* m = main())
            m->loadSkin(QString::fromStdString(file), false);
    }
    void refreshFilterCombos() override
    {
        if (MainWindow* m = main()) {
            m->catLayer().reloadFileTypes();
            m->findLayer().reloadFilters();
        }
    }
    void refreshLanguageCombos() override
    {
        if (MainWindow* m = main()) {
            m->findLayer().setCatalogs(LoadListDAT(app_.texts[TextId::All], app_.folders.LibPath));
            m->findLayer().setDiskTypes(LoadListDriveType(app_.texts[TextId::All]));
        }
    }

private:
    MainWindow* main() const { return app_.windows.find<MainWindow>(); }

    AppContext& app_;
};

} // namespace

std::shared_ptr<MainWindowLink> MakeMainWindowLink(AppContext& app)
{
    return std::make_shared<OptionsLink>(app);
}

#include "mainwindow/MainWindowOptionsLink.h"

#include "engine/library/LibraryLists.h"
#include "engine/start/AppFolders.h"
#include "gui/AppContext.h"
#include "gui/FilterCombo.h"
#include "gui/WindowRegistry.h"
#include "language/LangText.h"
#include "mainwindow/FSysTrayIconMenu.h"
#include "mainwindow/FrmCorvaneDisk.h"
#include "options/MainWindowLink.h"

#include <QComboBox>

namespace {

class OptionsLink final : public MainWindowLink {
public:
    explicit OptionsLink(AppContext& app) : app_(app) {}

    QWidget* window() const override { return main(); }
    bool hiddenToTray() const override { return main() && main()->hiddenToTray(); }
    void ShellTrayAdd() override
    {
        if (FrmCorvaneDisk* m = main())
            m->ShellTrayAdd();
    }
    void ShellTrayRemove() override
    {
        if (FrmCorvaneDisk* m = main())
            m->ShellTrayRemove();
    }
    void setTrayOnTopCheck(bool on) override
    {
        if (FSysTrayIconMenu* tray = app_.windows.find<FSysTrayIconMenu>())
            tray->setChecked(QStringLiteral("ONTOP"), on);
    }
    void setTrayIcon(const QIcon& icon) override
    {
        if (FSysTrayIconMenu* tray = app_.windows.find<FSysTrayIconMenu>())
            tray->setIconHandle(icon);
    }
    void applySkin(const std::string& file) override
    {
        if (FrmCorvaneDisk* m = main())
            m->LoadSkinNamed(QString::fromStdString(file), false);
    }
    void refreshFilterCombos() override
    {
        if (FrmCorvaneDisk* m = main()) {
            LoadFilter(*m->cboFileType);
            LoadFilter(*m->cboFilter);
        }
    }
    void refreshLanguageCombos() override
    {
        if (FrmCorvaneDisk* m = main()) {
            FillList(*m->cboListDAT, LoadListDAT(app_.texts[TextId::All], Folders().LibPath));
            FillList(*m->cboTypeDisk, LoadListDriveType(app_.texts[TextId::All]));
        }
    }

private:
    FrmCorvaneDisk* main() const { return app_.windows.find<FrmCorvaneDisk>(); }

    AppContext& app_;
};

} // namespace

std::shared_ptr<MainWindowLink> MakeMainWindowLink(AppContext& app)
{
    return std::make_shared<OptionsLink>(app);
}

#pragma once
// The main window: frameless and skinned, with three layers on one area —
// CAT (catalogue a folder), FIND (search the catalogs) and LIB (the library) —
// its main menu behind the program icon, its keys, its tray icon and the
// offer to catalogue a newly mounted volume.

#include "gui/widgets/LayerTab.h"
#include "gui/widgets/SkinnedForm.h"
#include "language/WindowTexts.h"

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

struct AppContext;
class ButtonWeb;
class CatalogCreation;
class CatLayer;
class FindLayer;
class LibLayer;
class TrayIconMenu;
class LibraryList;
class NewVolumeOffer;
class PopupMenu;
class SearchLaunch;
class QLabel;
class WindowDragger;

class MainWindow : public SkinnedForm, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmCorvaneDisk";
    enum class Layer { Cat, Find, Lib };

    explicit MainWindow(AppContext& app);
    ~MainWindow() override;

    // The start-up: settings, language, skin and what the first look needs.
    // Run once, after the window is in the registry and before it is shown.
    void startUp();
    // The rest of the start-up, once the window shows: the lists of the other
    // layers, the recent searches, the tray icon, the menus, new volumes.
    void finishStartUp();
    // Writes what the user can change back to the settings, closes the other
    // windows, empties the work folder, removes the tray icon. Runs once.
    void shutDown();

    // The skin that follows the one loaded at the previous start, wrapping.
    QString nextSkin();
    void loadSkin(const QString& fileName, bool atStartup);

    Layer currentLayer() const { return layer_; }
    // As a layer's tab or key shows it.
    void showLayer(Layer layer);

    // Catalogues folder exactly as Create does with the layer's options.
    void catalogueFolder(const QString& folder);
    // A catalog is made or a search runs.
    bool isBusy() const;

    // The tray icon as the settings now want it, there or not.
    void updateTrayIcon();
    void removeTrayIcon();
    TrayIconMenu* trayMenu() const;
    bool hiddenToTray() const { return hiddenToTray_; }
    void restoreFromTray();

    void retranslate() override;

    // The LIB layer's list (catalogs open through its setCatalogOpener).
    LibraryList& library();

    CatLayer& catLayer() { return *cat_; }
    FindLayer& findLayer() { return *find_; }

    // The drive type of the volume holding a folder ("Cd-Rom"...): it decides
    // whether the eject box shows.
    std::function<std::string(const std::string& folder)> driveTypeOf;

signals:
    void layerChanged(MainWindow::Layer layer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    // A scan or a search ended: a close that waited for it goes on.
    void workEnded();
    void buildMenus();
    void fillSkinMenu();
    void listenToKeysOfEveryControl();
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    void showLayerControls();
    void updateEjectBox();
    void showMainMenu();
    void onMainMenu(const QString& key);
    void onTrayMenu(const QString& key);
    void showAbout(bool owned);
    void showOptions();
    void minimize();
    void readRecentSearches();
    void addTrayIcon();
    void dropTrayIcon();
    void keepReachable();
    void applyTrayIcon();
    void syncSettingsFromControls();

    AppContext& app_;
    Layer layer_ = Layer::Cat;
    bool hiddenToTray_ = false;
    bool unloaded_ = false;
    bool closeWhenIdle_ = false;
    std::vector<QString> skinFiles_;
    WindowDragger* dragger_ = nullptr;
    std::unique_ptr<CatalogCreation> creation_;
    std::unique_ptr<SearchLaunch> search_;
    std::unique_ptr<NewVolumeOffer> volumeOffer_;
    PopupMenu* mainMenu_ = nullptr;
    PopupMenu* libraryMenu_ = nullptr;
    QLabel* programIcon_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    ButtonWeb* minimizeButton_ = nullptr;
    ButtonWeb* closeButton_ = nullptr;
    LayerTab* catTab_ = nullptr;
    LayerTab* findTab_ = nullptr;
    LayerTab* libTab_ = nullptr;
    CatLayer* cat_ = nullptr;
    FindLayer* find_ = nullptr;
    LibLayer* lib_ = nullptr;
};

// A layer as the skin names its tab: "CAT", "FIND" or "LIB".
std::string LayerName(MainWindow::Layer layer);

#include "mainwindow/MainWindow.h"

#include "engine/library/LibraryLists.h"
#include "engine/settings/AppSettings.h"
#include "engine/start/AppFolders.h"
#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/PlainText.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/frame/WindowDragger.h"
#include "gui/jobs/WhenJobsIdle.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "gui/widgets/ButtonWeb.h"
#include "language/LangText.h"
#include "browser/CatalogBrowser.h"
#include "library/LibraryList.h"
#include "mainwindow/CatalogCreation.h"
#include "mainwindow/TrayIconMenu.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/FindLayer.h"
#include "mainwindow/LibLayer.h"
#include "mainwindow/NewVolumeOffer.h"
#include "mainwindow/SearchLaunch.h"
#include "options/AboutBox.h"
#include "options/OptionsDialog.h"
#include "options/ProgramVersion.h"
#include "platform/volume/VolumeInfo.h"
#include "skin/LoadSkin.h"

#include <QApplication>
#include <QPointer>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>

namespace {
constexpr int HelpCat = 1003, HelpFind = 1004, HelpLib = 1005;
constexpr const char* TrayTip = VersionedProgramName;
} // namespace

MainWindow::MainWindow(AppContext& app)
    : driveTypeOf([](const std::string& folder) { return ProbeVolume(folder).driveType; }), app_(app)
{
    setObjectName(WindowName);
    buildControls();
    dragger_ = new WindowDragger(this, [this] { return app_.settings.BorderMagnetic; });
    dragger_->addHandle(this); // the title lets the mouse through to the window
    creation_ = std::make_unique<CatalogCreation>(app_, *this);
    search_ = std::make_unique<SearchLaunch>(app_, *this);
    volumeOffer_ = std::make_unique<NewVolumeOffer>(app_, *this);
    // A catalog asked for during a search or a report opens once that work ends.
    library().setCatalogOpener([this](const QString& name) {
        WhenJobsIdle(app_.jobs, [self = QPointer<MainWindow>(this), name = name.toStdString()] {
            if (self)
                self->app_.windows.get<CatalogBrowser>().openCatalog(name);
        });
    });
    connect(this, &MainWindow::layerChanged, &library(), [this](Layer layer) {
        if (layer == Layer::Lib)
            library().reload();
    });

    connect(catTab_, &ButtonWeb::clicked, this, [this] { showLayer(Layer::Cat); });
    connect(findTab_, &ButtonWeb::clicked, this, [this] { showLayer(Layer::Find); });
    connect(libTab_, &ButtonWeb::clicked, this, [this] { showLayer(Layer::Lib); });
    connect(closeButton_, &ButtonWeb::clicked, this, &QWidget::close);
    connect(minimizeButton_, &ButtonWeb::clicked, this, &MainWindow::minimize);
    connect(cat_, &CatLayer::createClicked, this, [this] { creation_->create(cat_->chosenFolder()); });
    connect(cat_, &CatLayer::stopClicked, creation_.get(), &CatalogCreation::stop);
    connect(cat_, &CatLayer::folderChosen, this, &MainWindow::updateEjectBox);
    connect(find_, &FindLayer::ignoreMaxHitToggled, this, [this](bool on) { app_.settings.IgnoreMaxHit = on; });
    connect(find_, &FindLayer::searchAsked, search_.get(), &SearchLaunch::startSearch);
    connect(creation_.get(), &CatalogCreation::finished, this, &MainWindow::workEnded);
    connect(search_.get(), &SearchLaunch::finished, this, &MainWindow::workEnded);
    programIcon_->installEventFilter(this);
    showLayerControls();
    listenToKeysOfEveryControl();
}

MainWindow::~MainWindow() = default;

std::string LayerName(MainWindow::Layer layer)
{
    using Layer = MainWindow::Layer;
    switch (layer) {
    case Layer::Find:
        return "FIND";
    case Layer::Lib:
        return "LIB";
    default:
        return "CAT";
    }
}

LibraryList& MainWindow::library()
{
    return lib_->library();
}

bool MainWindow::isBusy() const
{
    return creation_->isBusy() || search_->isBusy();
}

void MainWindow::workEnded()
{
    if (closeWhenIdle_)
        close();
    else
        volumeOffer_->offerWaiting();
}

void MainWindow::catalogueFolder(const QString& folder)
{
    creation_->create(folder);
}

void MainWindow::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    titleLabel_->adjustSize();
    cat_->fitLabels();
    find_->fitLabels();
}

// Layers -------------------------------------------------------------------

void MainWindow::showLayer(Layer layer)
{
    if (layer == layer_)
        return;
    layer_ = layer;
    ShowLayerTabs(app_.skin, *this, LayerName(layer_));
    showLayerControls();
    switch (layer) {
    case Layer::Cat:
        updateEjectBox();
        break;
    case Layer::Find:
        find_->setCatalogs(LoadListDAT(app_.texts[TextId::All], app_.folders.LibPath));
        emit layerChanged(layer);
        find_->focusSearchText();
        return;
    case Layer::Lib:
        break;
    }
    emit layerChanged(layer);
}

void MainWindow::showLayerControls()
{
    cat_->setVisible(layer_ == Layer::Cat);
    find_->setVisible(layer_ == Layer::Find);
    lib_->setVisible(layer_ == Layer::Lib);
    catTab_->setSelected(layer_ == Layer::Cat);
    findTab_->setSelected(layer_ == Layer::Find);
    libTab_->setSelected(layer_ == Layer::Lib);
    if (layer_ == Layer::Cat)
        updateEjectBox();
}

void MainWindow::updateEjectBox()
{
    const QString folder = cat_->chosenFolder();
    cat_->showEjectBox(layer_ == Layer::Cat && !folder.isEmpty() && driveTypeOf(folder.toStdString()) == "Cd-Rom");
}

// Keys ---------------------------------------------------------------------

void MainWindow::listenToKeysOfEveryControl()
{
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handleKey(key->key(), key->modifiers()))
            return true;
    } else if (watched == programIcon_ && event->type() == QEvent::MouseButtonRelease) {
        showMainMenu();
        return true;
    }
    return SkinnedForm::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (!handleKey(event->key(), event->modifiers()))
        SkinnedForm::keyPressEvent(event);
}

bool MainWindow::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    modifiers &= ~Qt::KeypadModifier;
    const bool ctrl = modifiers == Qt::ControlModifier; // Ctrl alone
    if (key == Qt::Key_F4 && modifiers == Qt::AltModifier) {
        close();
        return true;
    }
    switch (key) {
    case Qt::Key_F1:
        app_.services.help.showHelp(layer_ == Layer::Cat ? HelpCat : layer_ == Layer::Find ? HelpFind : HelpLib);
        return true;
    case Qt::Key_F5:
        showOptions();
        return true;
    case Qt::Key_F:
        if (ctrl)
            showLayer(Layer::Find);
        return ctrl;
    case Qt::Key_S:
        if (ctrl)
            showLayer(Layer::Cat);
        return ctrl;
    case Qt::Key_L:
        if (ctrl)
            showLayer(Layer::Lib);
        return ctrl;
    case Qt::Key_A:
        if (ctrl)
            showAbout(true);
        return ctrl;
    default:
        return layer_ == Layer::Lib && library().actOnKey(key, modifiers);
    }
}

// Menus --------------------------------------------------------------------

void MainWindow::buildMenus()
{
    const LangText& t = app_.texts;
    mainMenu_ = new PopupMenu(this, QStringLiteral("m_cMenu"));
    mainMenu_->setImageList(MenuImageList());
    mainMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuOptionFirst)) + "...     F5", "OPTION", 8);
    mainMenu_->addItem("-Skin", "");
    fillSkinMenu();
    mainMenu_->addItem("-", "");
    mainMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuAbout)) + "...     Ctrl+A", "ABOUT", 11);
    mainMenu_->addItem("-", "");
    mainMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuExit)) + "     ALT+F4", "EXIT");
    mainMenu_->setSideBar(0x84B642, 0, QStringLiteral("CorvaneDisk"), 10);

    libraryMenu_ = new PopupMenu(this, QStringLiteral("m_cMenuLib"));
    libraryMenu_->setImageList(MenuImageList());
    libraryMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuOpen)) + "...     CTRL+O", "OPEN", 0, false,
                          false);
    libraryMenu_->addItem("-", "");
    libraryMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuDelete)), "DEL", 2);
    libraryMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuRenameCatalog)), "MOVE");
    libraryMenu_->addItem("-", "");
    libraryMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuPrint)), "PRINT", 4);
    libraryMenu_->addItem("-", "");
    libraryMenu_->addItem("&" + PlainMnemonicText(t.text(TextId::MenuProperties)), "PROP", 1);
    libraryMenu_->setSideBar(0x84B642, 0, QStringLiteral("CorvaneDisk"), 10);
}

void MainWindow::fillSkinMenu()
{
    mainMenu_->addItem(QStringLiteral("&Default\t"), QStringLiteral("SKIN:DEFAULT"));
    const QString standard = QString::fromStdString(app_.settings.Skins).toLower();
    // The key names the file as it is, so that no letter case is guessed back
    // and a package called "DEFAULT" is not taken for the Default item.
    for (const QString& file : skinFiles_) {
        if (file.toLower() == standard)
            continue;
        mainMenu_->addItem(PlainMnemonicText(file.left(file.lastIndexOf('.'))) + '\t', "SKIN:" + file);
    }
}

void MainWindow::showMainMenu()
{
    int index = mainMenu_->showAt(programIcon_->mapToGlobal(QPoint(0, 0)));
    if (index > 0)
        onMainMenu(mainMenu_->key(index));
}

void MainWindow::onMainMenu(const QString& key)
{
    if (key == "OPTION") {
        showOptions();
    } else if (key == "ABOUT") {
        showAbout(true);
    } else if (key == "EXIT") {
        close();
    } else if (key.startsWith("SKIN")) {
        const QString name = key.mid(5);
        const QString file = name == "DEFAULT" ? QString::fromStdString(app_.settings.Skins) : name;
        // A skin reloads the windows a running job fills: it waits for the job.
        WhenJobsIdle(app_.jobs, [window = QPointer(this), file] {
            if (window)
                window->loadSkin(file, false);
        });
    }
}

void MainWindow::showOptions()
{
    ShowOptionsDialog(app_);
}

// From the tray (not owned) the caller handles stay-on-top.
void MainWindow::showAbout(bool owned)
{
    if (owned)
        FormStayOnTop(this, false);
    ShowAboutBox(app_, owned ? this : nullptr);
    if (owned && app_.settings.OnTop)
        FormStayOnTop(this, true);
}

// Tray, task bar, stay-on-top ------------------------------------------------

TrayIconMenu* MainWindow::trayMenu() const
{
    return app_.windows.find<TrayIconMenu>();
}

void MainWindow::updateTrayIcon()
{
    dropTrayIcon();
    if (app_.settings.ShowSysTray)
        addTrayIcon();
    keepReachable();
}

void MainWindow::addTrayIcon()
{
    auto& form = app_.windows.get<TrayIconMenu>();
    form.setUp(this, app_.settings.OnTop);
    if (!form.hasIcon()) { // no tray host: the feature stays off
        dropTrayIcon();
        return;
    }
    form.setIconToolTip(QString::fromLatin1(TrayTip));
    // A tray menu made anew (at start-up or when Options turns it on) speaks the language too.
    app_.windowTexts.relabelWindows({TrayIconMenu::WindowName});
    applyTrayIcon();
    connect(&form, &TrayIconMenu::menuChosen, this, [this](int, const QString& key) { onTrayMenu(key); });
    connect(&form, &TrayIconMenu::iconDoubleClicked, this, &MainWindow::restoreFromTray);
    connect(&form, &TrayIconMenu::iconMouseDown, this, [this](int button) {
        if (button == 2)
            trayMenu()->showMenu();
        else
            restoreFromTray(); // tray hosts do not report double clicks
    });
    connect(&form, &TrayIconMenu::iconLost, this, [this] {
        restoreFromTray();
        removeTrayIcon();
    });
    // Whatever else takes the icon away.
    connect(&form, &QObject::destroyed, this, &MainWindow::keepReachable, Qt::QueuedConnection);
}

void MainWindow::applyTrayIcon()
{
    if (TrayIconMenu* form = trayMenu())
        form->setShownIcon(QIcon(TrayPicture(app_.settings.NumIconSysTray)));
}

void MainWindow::removeTrayIcon()
{
    dropTrayIcon();
    keepReachable();
}

void MainWindow::dropTrayIcon()
{
    app_.windows.unload(TrayIconMenu::WindowName);
}

// A window hidden to the tray comes back when the icon goes: the program is
// never left with neither.
void MainWindow::keepReachable()
{
    if (hiddenToTray_ && !unloaded_ && !trayMenu())
        restoreFromTray();
}

void MainWindow::restoreFromTray()
{
    hiddenToTray_ = false;
    showNormal();
    raise();
    activateWindow();
}

void MainWindow::minimize()
{
    if (trayMenu()) {
        hide();
        hiddenToTray_ = true;
    } else {
        showMinimized(); // without an icon nothing could bring it back
    }
}

void MainWindow::onTrayMenu(const QString& key)
{
    if (key == "PROP") {
        showOptions();
    } else if (key == "ONTOP") {
        app_.settings.OnTop = !app_.settings.OnTop;
        WriteSetting(SettingId::OnTop, app_.settings);
        trayMenu()->setChecked(key, app_.settings.OnTop);
        FormStayOnTop(this, app_.settings.OnTop);
    } else if (key == "ABOUT") {
        if (!hiddenToTray_)
            FormStayOnTop(this, false);
        showAbout(false);
        if (app_.settings.OnTop && !hiddenToTray_)
            FormStayOnTop(this, true);
    } else if (key == "EXIT") {
        close();
    }
}

// Closing ------------------------------------------------------------------

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        // A scan or a search runs on a worker: stop it and close once it has ended.
        closeWhenIdle_ = true;
        creation_->stop();
        search_->stop();
        event->ignore();
        return;
    }
    shutDown();
    event->accept();
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

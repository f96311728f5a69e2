#include "options/OptionsDialog.h"

#include "engine/settings/AppSettings.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/WindowRegistry.h"
#include "gui/WindowState.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "options/ChoicePages.h"
#include "options/DialogSideBar.h"
#include "options/DisplayPage.h"
#include "options/FileTypePage.h"
#include "options/FontPage.h"
#include "options/MainWindowLink.h"
#include "options/ReportPage.h"
#include "options/SetupPage.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStackedWidget>
#include <QTreeWidget>

#include <map>

namespace {

struct PageRow {
    const char* key;    // the tree node's key
    const char* parent; // nullptr: a root node
    const char* page;
    int help;
};
// The nodes in the order they are added; the pages in the same order.
constexpr PageRow PageRows[] = {
    {"Setup", nullptr, "SETUP", 1010},       {"Skins", nullptr, "SKINS", 1014},   {"Display", "Setup", "DISPLAY", 1011},
    {"FileType", "Setup", "FILETYPE", 1012}, {"Language", "Setup", "LANG", 1013}, {"Report", "Setup", "REPORT", 1015},
    {"Font", "Setup", "FONT", 1016},
};

const QColor HoverColour(0, 102, 255);

} // namespace

OptionsDialog::OptionsDialog(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow,
                             const UpdateSetup& updateSetup)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), app_(app),
      main_(std::move(mainWindow)), sideBar_(new DialogSideBar(*this, MenuImageList().value(8).pixmap(16, 16)))
{
    setObjectName(WindowName);
    resize(620, 440);

    sideBarPicture = sideBar_->picture();

    pageTree = new QTreeWidget(this);
    pageTree->setObjectName(QStringLiteral("TWOption"));
    pageTree->setFixedWidth(150);
    pageTree->header()->hide();
    pageTree->setMouseTracking(true);
    pageTree->viewport()->installEventFilter(this);
    buildTree();

    setup = new SetupPage(app, updateSetup);
    skins = new SkinsPage(app, main_);
    display = new DisplayPage(app, main_);
    fileTypes = new FileTypePage(app, main_);
    language = new LanguagePage(app, main_);
    report = new ReportPage(app.settings.Report);
    fonts = new FontPage(app);
    pages_ = new QStackedWidget(this);
    for (QWidget* page : std::initializer_list<QWidget*>{setup, skins, display, fileTypes, language, report, fonts})
        pages_->addWidget(page);
    connect(setup, &SetupPage::skinGenerated, skins, &SkinsPage::listSkins);

    exitButton = new QPushButton(this);
    exitButton->setObjectName(QStringLiteral("cmdExit"));
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(1, 1, 8, 8); // the border is painted in the first pixel
    grid->setHorizontalSpacing(8);
    grid->addWidget(sideBarPicture, 0, 0, 2, 1);
    grid->addWidget(pageTree, 0, 1, 2, 1);
    grid->addWidget(pages_, 0, 2);
    grid->addWidget(exitButton, 1, 2, Qt::AlignRight);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(2, 1);

    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    help->setContext(Qt::WindowShortcut);
    connect(help, &QShortcut::activated, this, [this] {
        for (const PageRow& row : PageRows)
            if (page_ == QLatin1String(row.page))
                app_.services.help.showHelp(row.help);
    });

    retranslate();
    fonts->updateLabelFont();
    fonts->updateTitleFont();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

OptionsDialog::~OptionsDialog()
{
    storeOnClose();
}

void OptionsDialog::buildTree()
{
    std::map<std::string_view, QTreeWidgetItem*> nodes;
    for (const PageRow& row : PageRows) {
        auto* item = row.parent ? new QTreeWidgetItem(nodes.at(row.parent)) : new QTreeWidgetItem(pageTree);
        item->setData(0, TreeNodeKeyRole, QLatin1String(row.key));
        nodes[row.key] = item;
    }
    pageTree->expandAll();
    // A node chosen with the keys shows its page as a clicked one does.
    connect(pageTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item)
            showPage(item->data(0, TreeNodeKeyRole).toString());
    });
}

void OptionsDialog::showPage(const QString& key)
{
    for (std::size_t i = 0; i < std::size(PageRows); ++i) {
        if (key == QLatin1String(PageRows[i].key)) {
            pages_->setCurrentIndex(int(i));
            page_ = QLatin1String(PageRows[i].page);
            return;
        }
    }
}

void OptionsDialog::hoverNode(QTreeWidgetItem* hovered)
{
    for (QTreeWidgetItemIterator it(pageTree); *it; ++it)
        (*it)->setData(0, Qt::ForegroundRole, *it == hovered ? QVariant(HoverColour) : QVariant());
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pageTree->viewport()) {
        if (event->type() == QEvent::MouseMove)
            hoverNode(pageTree->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            hoverNode(nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsDialog::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    fileTypes->retranslate();
    setWindowTitle(app_.texts.text(TextId::OptionsSideBar));
    sideBar_->setCaption(app_.texts.text(TextId::OptionsSideBar));
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    storeOnClose();
    event->accept();
    app_.windows.unload(WindowName);
}

void OptionsDialog::storeOnClose()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Guarded("Form_Unload", [this] {
        setup->abortUpdateCheck();
        setup->storeOnClose();
        report->storeOnClose();
        fonts->storeOnClose();
        // The dialog stood above every window; the main window goes back to its own setting.
        if (!main_->hiddenToTray())
            FormStayOnTop(main_->window(), app_.settings.OnTop);
    });
}

void ShowOptionsDialog(AppContext& app)
{
    QWidget& dialog = app.windows.instance(OptionsDialog::WindowName);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

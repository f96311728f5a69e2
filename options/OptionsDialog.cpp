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

    pageTree_ = new QTreeWidget(this);
    pageTree_->setObjectName(QStringLiteral("TWOption"));
    pageTree_->setFixedWidth(150);
    pageTree_->header()->hide();
    pageTree_->setMouseTracking(true);
    pageTree_->viewport()->installEventFilter(this);
    buildTree();

    setup_ = new SetupPage(app, updateSetup);
    auto* skins = new SkinsPage(app, main_);
    auto* display = new DisplayPage(app, main_);
    fileTypes_ = new FileTypePage(app, main_);
    auto* language = new LanguagePage(app, main_);
    auto* report = new ReportPage(app.settings.Report);
    auto* fonts = new FontPage(app);
    pages_ = new QStackedWidget(this);
    for (OptionPage* page :
         std::initializer_list<OptionPage*>{setup_, skins, display, fileTypes_, language, report, fonts})
        pages_->addWidget(page);
    connect(setup_, &SetupPage::skinGenerated, skins, &SkinsPage::listSkins);

    auto* exitButton = new QPushButton(this);
    exitButton->setObjectName(QStringLiteral("cmdExit"));
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(1, 1, 8, 8); // the border is painted in the first pixel
    grid->setHorizontalSpacing(8);
    grid->addWidget(sideBar_->picture(), 0, 0, 2, 1);
    grid->addWidget(pageTree_, 0, 1, 2, 1);
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
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

OptionsDialog::~OptionsDialog()
{
    applyOnClose();
}

void OptionsDialog::buildTree()
{
    std::map<std::string_view, QTreeWidgetItem*> nodes;
    for (const PageRow& row : PageRows) {
        auto* item = row.parent ? new QTreeWidgetItem(nodes.at(row.parent)) : new QTreeWidgetItem(pageTree_);
        item->setData(0, TreeNodeKeyRole, QLatin1String(row.key));
        nodes[row.key] = item;
    }
    pageTree_->expandAll();
    // A node chosen with the keys shows its page as a clicked one does.
    connect(pageTree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
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
    for (QTreeWidgetItemIterator it(pageTree_); *it; ++it)
        (*it)->setData(0, Qt::ForegroundRole, *it == hovered ? QVariant(HoverColour) : QVariant());
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pageTree_->viewport()) {
        if (event->type() == QEvent::MouseMove)
            hoverNode(pageTree_->itemAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
        else if (event->type() == QEvent::Leave)
            hoverNode(nullptr);
    }
    return QWidget::eventFilter(watched, event);
}

void OptionsDialog::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    fileTypes_->retranslate();
    setWindowTitle(app_.texts.text(TextId::OptionsSideBar));
    sideBar_->setCaption(app_.texts.text(TextId::OptionsSideBar));
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    applyOnClose();
    event->accept();
    app_.windows.unload(WindowName);
}

void OptionsDialog::applyOnClose()
{
    if (unloaded_)
        return;
    unloaded_ = true;
    Guarded(app_.services.prompter, "Form_Unload", [this] {
        setup_->abortUpdateCheck();
        for (int i = 0; i < pages_->count(); ++i)
            static_cast<OptionPage*>(pages_->widget(i))->apply();
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

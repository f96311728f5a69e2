#include "options/AboutBox.h"

#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/WindowRegistry.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "options/DialogSideBar.h"
#include "options/ProgramVersion.h"
#include "options/WebAddresses.h"
#include "platform/prompter/Prompter.h"
#include "platform/shell/Shell.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QVBoxLayout>

namespace {
constexpr const char* AddressProperty = "address";

QString ProductAndVersion()
{
    return QStringLiteral("CorvaneDisk %1.%2.%3")
        .arg(RunningVersion.major)
        .arg(RunningVersion.minor)
        .arg(RunningVersion.revision);
}

QLabel* Caption(QWidget* frame, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), frame);
    label->setObjectName(QLatin1String(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}
} // namespace

AboutBox::AboutBox(AppContext& app)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), app_(app),
      sideBar_(new DialogSideBar(*this, ProgramIcon().pixmap(16, 16)))
{
    setObjectName(WindowName);
    setWindowTitle(ProductAndVersion());
    resize(460, 270);

    QLabel* sideBarPicture = sideBar_->picture();
    QFont arial = sideBarPicture->font();
    arial.setFamily(QStringLiteral("Arial"));
    sideBarPicture->setFont(arial);
    sideBar_->setCaption(app.texts.text(TextId::AboutSideBar) + ' ' + ProductAndVersion());

    auto* tabs = new QTabBar(this);
    tabs->setObjectName(QStringLiteral("TabStrip"));
    for (auto [caption, key] : {std::pair{"About", "ABOUT"}, {"Support", "SUPPORT"}, {"Thanks", "THANK"}})
        tabs->setTabData(tabs->addTab(QLatin1String(caption)), QLatin1String(key));
    connect(tabs, &QTabBar::currentChanged, this,
            [this, tabs](int index) { showTab(tabs->tabData(index).toString()); });

    aboutPage_ = new QWidget;
    aboutPage_->setObjectName(QStringLiteral("fraAbout"));
    auto* aboutPicture = new QLabel(aboutPage_);
    aboutPicture->setObjectName(QStringLiteral("picAbout"));
    aboutPicture->setPixmap(ProgramIcon().pixmap(64, 64));
    auto* titleLabel = new QLabel(ProductAndVersion(), aboutPage_);
    titleLabel->setObjectName(QStringLiteral("lblTitle"));
    QFont title = arial;
    title.setPointSize(16);
    title.setBold(true);
    titleLabel->setFont(title);
    auto* about = new QHBoxLayout(aboutPage_);
    about->addWidget(aboutPicture);
    about->addWidget(titleLabel, 1);

    const std::string ccrpShown = std::string(CcrpAddress) + "/";
    supportPage_ = linkFrame(
        "fraSupport", {{"lblFAQ", "FAQ", "lblFAQURL", FaqAddress, FaqAddress},
                       {"lblSupport", "For Support or Report Bugs", "lblSupportURL", SupportAddress, SupportAddress},
                       {"lblSite", "Web Site", "lblSiteURL", SiteAddress, SiteAddress}});
    thanksPage_ =
        linkFrame("fraThanks",
                  {{"lblTamsel", "Tamsel", "lblTamselURL", TamselAddress, TamselAddress},
                   {"lblVbNet", "VbNet", "lblVbNetURL", VbNetAddress, VbNetAddress},
                   {"lblCCRP", "Vb Commun Control Remplacement", "lblCCRPURL", ccrpShown.c_str(), CcrpAddress}},
                  "Many thank for this best vb site");

    frames_ = new QStackedWidget(this);
    for (QWidget* frame : {aboutPage_, supportPage_, thanksPage_})
        frames_->addWidget(frame);

    auto* systemInfoButton = new QPushButton(QString::fromUtf8("&Infos système..."), this);
    systemInfoButton->setObjectName(QStringLiteral("cmdSysInfo"));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    connect(systemInfoButton, &QPushButton::clicked, this, &AboutBox::startSystemInfo);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(systemInfoButton);
    buttons->addWidget(okButton);
    auto* column = new QVBoxLayout;
    column->addWidget(tabs);
    column->addWidget(frames_, 1);
    column->addLayout(buttons);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 10, 10);
    row->setSpacing(10);
    row->addWidget(sideBarPicture);
    row->addLayout(column, 1);
}

AboutBox::~AboutBox() = default;

QWidget* AboutBox::linkFrame(const char* name, std::initializer_list<LinkRow> rows, const char* thanks)
{
    auto* frame = new QWidget;
    frame->setObjectName(QLatin1String(name));
    auto* grid = new QGridLayout(frame);
    int row = 0;
    for (const LinkRow& r : rows) {
        grid->addWidget(Caption(frame, r.captionName, r.caption), row++, 0);
        auto* link = new QLabel(QString::fromUtf8(r.shown), frame);
        link->setObjectName(QLatin1String(r.linkName));
        link->setProperty(AddressProperty, QString::fromUtf8(r.address));
        link->setCursor(Qt::PointingHandCursor);
        QFont underlined = link->font();
        underlined.setUnderline(true);
        link->setFont(underlined);
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        link->setPalette(palette);
        link->installEventFilter(this);
        grid->addWidget(link, row++, 0);
    }
    if (thanks) {
        auto* thanksLabel = new QLabel(QString::fromUtf8(thanks), frame);
        thanksLabel->setObjectName(QStringLiteral("lblThanks"));
        grid->addWidget(thanksLabel, row++, 0);
    }
    grid->setRowStretch(row, 1);
    return frame;
}

bool AboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->property(AddressProperty).isValid()) {
        RunShellExecute(app_.services.prompter, watched->property(AddressProperty).toString().toStdString());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutBox::showTab(const QString& key)
{
    if (key == QLatin1String("ABOUT"))
        frames_->setCurrentWidget(aboutPage_);
    else if (key == QLatin1String("SUPPORT"))
        frames_->setCurrentWidget(supportPage_);
    else if (key == QLatin1String("THANK"))
        frames_->setCurrentWidget(thanksPage_);
}

void AboutBox::startSystemInfo()
{
    for (const char* tool : SystemInfoTools) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(tool));
        if (program.isEmpty())
            continue;
        if (QProcess::startDetached(program, {}))
            return;
        break; // found but would not start: the same message
    }
    app_.services.prompter.message("Les informations système ne sont pas disponibles actuellement", "CorvaneDisk",
                                   MsgIcon::None);
}

void ShowAboutBox(AppContext& app, QWidget* owner)
{
    auto& about = app.windows.get<AboutBox>();
    if (owner)
        about.setParent(owner, about.windowFlags());
    about.exec();
    app.windows.unload(AboutBox::WindowName);
}

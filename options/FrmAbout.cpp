#include "options/FrmAbout.h"

#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/CLogo.h"
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

FrmAbout::FrmAbout(AppContext& app)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint), app_(app), logo_(std::make_unique<CLogo>())
{
    setObjectName(WindowName);
    setWindowTitle(ProductAndVersion());
    resize(460, 270);

    picSideBar = MakeSideBar(*this, *logo_, ProgramIcon().pixmap(16, 16));
    QFont arial = picSideBar->font();
    arial.setFamily(QStringLiteral("Arial"));
    picSideBar->setFont(arial);
    logo_->setCaption(app.texts.text(TextId::AboutSideBar) + ' ' + ProductAndVersion());

    TabStrip = new QTabBar(this);
    TabStrip->setObjectName(QStringLiteral("TabStrip"));
    for (auto [caption, key] : {std::pair{"About", "ABOUT"}, {"Support", "SUPPORT"}, {"Thanks", "THANK"}})
        TabStrip->setTabData(TabStrip->addTab(QLatin1String(caption)), QLatin1String(key));
    connect(TabStrip, &QTabBar::currentChanged, this,
            [this](int index) { TabStrip_Click(TabStrip->tabData(index).toString()); });

    fraAbout = new QWidget;
    fraAbout->setObjectName(QStringLiteral("fraAbout"));
    auto* picAbout = new QLabel(fraAbout);
    picAbout->setObjectName(QStringLiteral("picAbout"));
    picAbout->setPixmap(ProgramIcon().pixmap(64, 64));
    lblTitle = new QLabel(ProductAndVersion(), fraAbout);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont title = arial;
    title.setPointSize(16);
    title.setBold(true);
    lblTitle->setFont(title);
    auto* about = new QHBoxLayout(fraAbout);
    about->addWidget(picAbout);
    about->addWidget(lblTitle, 1);

    fraSupport = new QWidget;
    fraSupport->setObjectName(QStringLiteral("fraSupport"));
    auto* support = new QGridLayout(fraSupport);
    support->addWidget(Caption(fraSupport, "lblFAQ", "FAQ"), 0, 0);
    support->addWidget(link(fraSupport, "lblFAQURL", FaqAddress, FaqAddress), 1, 0);
    support->addWidget(Caption(fraSupport, "lblSupport", "For Support or Report Bugs"), 2, 0);
    support->addWidget(link(fraSupport, "lblSupportURL", SupportAddress, SupportAddress), 3, 0);
    support->addWidget(Caption(fraSupport, "lblSite", "Web Site"), 4, 0);
    support->addWidget(link(fraSupport, "lblSiteURL", SiteAddress, SiteAddress), 5, 0);
    support->setRowStretch(6, 1);

    fraThanks = new QWidget;
    fraThanks->setObjectName(QStringLiteral("fraThanks"));
    const std::string ccrpCaption = std::string(CcrpAddress) + "/";
    auto* thanks = new QGridLayout(fraThanks);
    thanks->addWidget(Caption(fraThanks, "lblTamsel", "Tamsel"), 0, 0);
    thanks->addWidget(link(fraThanks, "lblTamselURL", TamselAddress, TamselAddress), 1, 0);
    thanks->addWidget(Caption(fraThanks, "lblVbNet", "VbNet"), 2, 0);
    thanks->addWidget(link(fraThanks, "lblVbNetURL", VbNetAddress, VbNetAddress), 3, 0);
    thanks->addWidget(Caption(fraThanks, "lblCCRP", "Vb Commun Control Remplacement"), 4, 0);
    thanks->addWidget(link(fraThanks, "lblCCRPURL", ccrpCaption.c_str(), CcrpAddress), 5, 0);
    auto* lblThanks = new QLabel(QStringLiteral("Many thank for this best vb site"), fraThanks);
    lblThanks->setObjectName(QStringLiteral("lblThanks"));
    thanks->addWidget(lblThanks, 6, 0);
    thanks->setRowStretch(7, 1);

    frames_ = new QStackedWidget(this);
    for (QWidget* frame : {fraAbout, fraSupport, fraThanks})
        frames_->addWidget(frame);

    cmdSysInfo = new QPushButton(QString::fromUtf8("&Infos système..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSysInfo);
    buttons->addWidget(cmdOK);
    auto* column = new QVBoxLayout;
    column->addWidget(TabStrip);
    column->addWidget(frames_, 1);
    column->addLayout(buttons);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(1, 1, 10, 10);
    row->setSpacing(10);
    row->addWidget(picSideBar);
    row->addLayout(column, 1);
}

FrmAbout::~FrmAbout() = default;

QLabel* FrmAbout::link(QWidget* frame, const char* name, const char* caption, const char* address)
{
    auto* label = new QLabel(QString::fromUtf8(caption), frame);
    label->setObjectName(QLatin1String(name));
    label->setProperty(AddressProperty, QString::fromUtf8(address));
    label->setCursor(Qt::PointingHandCursor);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    label->installEventFilter(this);
    return label;
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched->property(AddressProperty).isValid()) {
        RunShellExecute(watched->property(AddressProperty).toString().toStdString());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::TabStrip_Click(const QString& key)
{
    if (key == QLatin1String("ABOUT"))
        frames_->setCurrentWidget(fraAbout);
    else if (key == QLatin1String("SUPPORT"))
        frames_->setCurrentWidget(fraSupport);
    else if (key == QLatin1String("THANK"))
        frames_->setCurrentWidget(fraThanks);
}

void FrmAbout::StartSysInfo()
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

void FrmAbout::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    logo_->Draw();
}

void FrmAbout::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    PaintWindowBorder(*this);
}

void ShowAboutBox(AppContext& app, QWidget* owner)
{
    auto& about = app.windows.get<FrmAbout>();
    if (owner)
        about.setParent(owner, about.windowFlags());
    about.exec();
    app.windows.unload(FrmAbout::WindowName);
}

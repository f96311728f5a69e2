#include "options/SetupPage.h"

#include "engine/settings/SettingsTable.h"
#include "gui/AppContext.h"
#include "language/LangText.h"
#include "skin/default/DefaultSkinPackage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>

#include <climits>

namespace {
// The number stored now (the store, not the holder, is the source: another
// program may have changed it); 0 when it is missing or no number.
int StoredCount(SettingId setting)
{
    try {
        return int(PlaceOf(setting).stored().number());
    } catch (const std::exception&) {
        return 0;
    }
}

QSpinBox* CountBox(QWidget* parent, const char* name, int maximum, int value)
{
    auto* box = MakeControl<QSpinBox>(parent, name);
    box->setRange(1, maximum);
    box->setValue(value);
    return box;
}
} // namespace

SetupPage::SetupPage(AppContext& app, const UpdateSetup& updateSetup, QWidget* parent)
    : OptionPage("fraSetup", parent), app_(app), update_(updateSetup)
{
    setTitle(QStringLiteral("Setup"));
    chkDevChange = SettingToggle(this, "chkDevChange", app.settings, &AppSettings::DevChange, SettingId::DevChange);
    UpDownSlideRecent = CountBox(this, "UpDownSlideRecent", 10, StoredCount(SettingId::RecentCount));
    UpDownSlideMaxHit = CountBox(this, "UpDownSlideMaxHit", 10000, StoredCount(SettingId::MaxHit));
    cmdScan = MakeControl<QPushButton>(this, "cmdScan");
    ProgressBar = MakeControl<QProgressBar>(this, "ProgressBar");
    ProgressBar->setTextVisible(false);
    ProgressBar->hide();
    cmdGenereSkin = MakeControl<QPushButton>(this, "cmdGenereSkin");

    auto* grid = new QGridLayout(this);
    grid->addWidget(chkDevChange, 0, 0, 1, 2);
    grid->addWidget(MakeControl<QLabel>(this, "lblRecent"), 1, 0);
    grid->addWidget(UpDownSlideRecent, 1, 1);
    grid->addWidget(MakeControl<QLabel>(this, "lblMaxHit"), 2, 0);
    grid->addWidget(UpDownSlideMaxHit, 2, 1);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(cmdScan, 4, 0);
    grid->addWidget(ProgressBar, 4, 1);
    grid->addWidget(cmdGenereSkin, 5, 0);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    connect(cmdScan, &QPushButton::clicked, this, &SetupPage::cmdScan_Click);
    connect(&update_, &UpdateCheck::downloadStarted, this, [this](qint64 maximum) {
        ProgressBar->setRange(0, int(std::min<qint64>(maximum, INT_MAX)));
        ProgressBar->setValue(0);
        ProgressBar->show();
    });
    connect(&update_, &UpdateCheck::downloadProgress, this,
            [this](qint64 received) { ProgressBar->setValue(int(std::min<qint64>(received, INT_MAX))); });
    connect(&update_, &UpdateCheck::downloadEnded, this, [this] {
        ProgressBar->setValue(ProgressBar->maximum());
        ProgressBar->hide();
    });
    connect(&update_, &UpdateCheck::finished, this, [this] { cmdScan->setEnabled(true); });
    connect(cmdGenereSkin, &QPushButton::clicked, this, [this] {
        if (GenerateDefaultSkin())
            emit skinGenerated();
    });
}

void SetupPage::cmdScan_Click()
{
    const LangText& t = app_.texts;
    cmdScan->setEnabled(false); // a check may end before start() returns
    update_.start({t[TextId::AskDownload], t[TextId::DownloadDone], t[TextId::DownloadSavedAs], t[TextId::UpToDate]});
    cmdScan->setEnabled(!update_.isBusy());
}

void SetupPage::storeOnClose()
{
    AppSettings& s = app_.settings;
    s.RecentCount = UpDownSlideRecent->value();
    WriteSetting(SettingId::RecentCount, s);
    s.MaxHit = UpDownSlideMaxHit->value();
    WriteSetting(SettingId::MaxHit, s);
}

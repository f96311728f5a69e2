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
    watchDevices = SettingToggle(this, "chkDevChange", app.settings, &AppSettings::DevChange, SettingId::DevChange);
    recentCount = CountBox(this, "UpDownSlideRecent", 10, StoredCount(SettingId::RecentCount));
    maxHitCount = CountBox(this, "UpDownSlideMaxHit", 10000, StoredCount(SettingId::MaxHit));
    updateButton = MakeControl<QPushButton>(this, "cmdScan");
    downloadProgress = MakeControl<QProgressBar>(this, "ProgressBar");
    downloadProgress->setTextVisible(false);
    downloadProgress->hide();
    makeSkinButton = MakeControl<QPushButton>(this, "cmdGenereSkin");

    auto* grid = new QGridLayout(this);
    grid->addWidget(watchDevices, 0, 0, 1, 2);
    grid->addWidget(MakeControl<QLabel>(this, "lblRecent"), 1, 0);
    grid->addWidget(recentCount, 1, 1);
    grid->addWidget(MakeControl<QLabel>(this, "lblMaxHit"), 2, 0);
    grid->addWidget(maxHitCount, 2, 1);
    grid->setRowMinimumHeight(3, 12);
    grid->addWidget(updateButton, 4, 0);
    grid->addWidget(downloadProgress, 4, 1);
    grid->addWidget(makeSkinButton, 5, 0);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(6, 1);

    connect(updateButton, &QPushButton::clicked, this, &SetupPage::checkForUpdate);
    connect(&update_, &UpdateCheck::downloadStarted, this, [this](qint64 maximum) {
        downloadProgress->setRange(0, int(std::min<qint64>(maximum, INT_MAX)));
        downloadProgress->setValue(0);
        downloadProgress->show();
    });
    connect(&update_, &UpdateCheck::downloadProgress, this,
            [this](qint64 received) { downloadProgress->setValue(int(std::min<qint64>(received, INT_MAX))); });
    connect(&update_, &UpdateCheck::downloadEnded, this, [this] {
        downloadProgress->setValue(downloadProgress->maximum());
        downloadProgress->hide();
    });
    connect(&update_, &UpdateCheck::finished, this, [this] { updateButton->setEnabled(true); });
    connect(makeSkinButton, &QPushButton::clicked, this, [this] {
        if (GenerateDefaultSkin())
            emit skinGenerated();
    });
}

void SetupPage::checkForUpdate()
{
    const LangText& t = app_.texts;
    updateButton->setEnabled(false); // a check may end before start() returns
    update_.start({t[TextId::AskDownload], t[TextId::DownloadDone], t[TextId::DownloadSavedAs], t[TextId::UpToDate]});
    updateButton->setEnabled(!update_.isBusy());
}

void SetupPage::storeOnClose()
{
    AppSettings& s = app_.settings;
    s.RecentCount = recentCount->value();
    WriteSetting(SettingId::RecentCount, s);
    s.MaxHit = maxHitCount->value();
    WriteSetting(SettingId::MaxHit, s);
}

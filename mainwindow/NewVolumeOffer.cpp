#include "mainwindow/NewVolumeOffer.h"

#include "engine/settings/AppSettings.h"
#include "gui/AppContext.h"
#include "gui/jobs/JobRunner.h"
#include "gui/services/MountWatcher.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "mainwindow/CatLayer.h"
#include "mainwindow/MainWindow.h"
#include "platform/prompter/Prompter.h"

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

NewVolumeOffer::NewVolumeOffer(AppContext& app, MainWindow& window) : app_(app), window_(window) {}

void NewVolumeOffer::mounted(const MountInfoEntry& mount)
{
    if (!app_.settings.DevChange)
        return;
    waiting_.push_back(mount);
    // Out of the watcher's own call: the question has a loop of its own.
    QTimer::singleShot(0, this, &NewVolumeOffer::offerWaiting);
}

bool NewVolumeOffer::mayAskNow() const
{
    return !asking_ && !window_.isBusy() && !app_.jobs.isBusy() && !QApplication::activeModalWidget() &&
           !QApplication::activePopupWidget();
}

void NewVolumeOffer::offerWaiting()
{
    if (waiting_.empty())
        return;
    if (!mayAskNow()) {
        // A dialog's own loop gives no sign when it closes: look again soon.
        if (!asking_)
            QTimer::singleShot(500, this, &NewVolumeOffer::offerWaiting);
        return;
    }
    MountInfoEntry mount = waiting_.front();
    waiting_.pop_front();
    if (!app_.services.mounts.isMounted(mount) || !QFileInfo(QString::fromStdString(mount.mountPoint)).isDir()) {
        // Gone while it waited: nothing left to catalogue.
        QTimer::singleShot(0, this, &NewVolumeOffer::offerWaiting);
        return;
    }
    asking_ = true;
    window_.raise();
    const std::string question = app_.texts[TextId::AskCatalogNewVolume] + " " + mount.mountPoint;
    const bool yes = app_.services.prompter.askYesNo(question, "CorvaneDisk", MsgIcon::Question);
    asking_ = false;
    if (yes) {
        window_.catLayer().chooseNewVolume(QString::fromStdString(mount.mountPoint));
        window_.catalogueFolder(QString::fromStdString(mount.mountPoint));
    }
    if (!window_.isBusy())
        QTimer::singleShot(0, this, &NewVolumeOffer::offerWaiting);
}

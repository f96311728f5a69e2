#pragma once
// Offers to catalogue a newly mounted volume. Each new mount is offered in
// turn, one question at a time, and never while a scan or a modal dialog
// runs: it waits and is offered afterwards. Yes catalogues the mount point
// with the CAT layer's options, whatever layer is shown.

#include "platform/volume/MountInfo.h"

#include <QObject>

#include <deque>

struct AppContext;
class MainWindow;

class NewVolumeOffer : public QObject {
    Q_OBJECT
public:
    NewVolumeOffer(AppContext& app, MainWindow& window);

public slots:
    void mounted(const MountInfoEntry& mount);
    // Offers what waits, when nothing else is going on.
    void offerWaiting();

private:
    bool mayAskNow() const;

    AppContext& app_;
    MainWindow& window_;
    std::deque<MountInfoEntry> waiting_;
    bool asking_ = false;
};

#pragma once
// The Setup page: the new-volume offer, the number of recent searches kept
// and the hit limit (both written when the dialog closes), the update check
// with its progress bar, and the default skin written out anew.

#include "options/OptionPage.h"
#include "options/UpdateCheck.h"

struct AppContext;
class QCheckBox;
class QProgressBar;
class QPushButton;
class QSpinBox;

class SetupPage : public OptionPage {
    Q_OBJECT
public:
    SetupPage(AppContext& app, const UpdateSetup& updateSetup, QWidget* parent = nullptr);

    void storeOnClose() override;
    // Ends a running update check at once (the dialog closes).
    void abortUpdateCheck() { update_.abort(); }

    QCheckBox* watchDevices;
    QSpinBox* recentCount;
    QSpinBox* maxHitCount;
    QPushButton* updateButton;
    QProgressBar* downloadProgress;
    QPushButton* makeSkinButton;

signals:
    // The default skin package was written into the skin folder.
    void skinGenerated();

private:
    void checkForUpdate();

    AppContext& app_;
    UpdateCheck update_;
};

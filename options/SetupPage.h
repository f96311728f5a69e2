#pragma once
// The Setup page: the new-volume offer, the number of recent searches kept
// and the hit limit (both written when the page applies them), the update
// check with its progress bar, and the default skin written out anew.

#include "options/OptionPage.h"
#include "options/UpdateCheck.h"

struct AppContext;
class QProgressBar;
class QPushButton;
class QSpinBox;

class SetupPage : public OptionPage {
    Q_OBJECT
public:
    SetupPage(AppContext& app, const UpdateSetup& updateSetup, QWidget* parent = nullptr);

    void apply() override;
    // Ends a running update check at once, without a word.
    void abortUpdateCheck() { update_.abort(); }

signals:
    // The default skin package was written into the skin folder.
    void skinGenerated();

private:
    void load();
    void checkForUpdate();

    AppContext& app_;
    UpdateCheck update_;
    QSpinBox* recentCount_ = nullptr;
    QSpinBox* maxHitCount_ = nullptr;
    QPushButton* updateButton_ = nullptr;
    QProgressBar* downloadProgress_ = nullptr;
};

#pragma once
// The save dialog after a scan: the new catalog's name (the volume's label
// proposed) and its comment. Save refuses names that cannot be a catalog and
// asks before replacing an existing one.

#include "gui/dialogs/SkinnedDialog.h"
#include "language/WindowTexts.h"

#include <optional>

struct AppContext;
class ButtonWeb;
class QLineEdit;
class QPlainTextEdit;

struct SaveAnswer {
    QString name;    // trimmed of blanks, without ".dat"
    QString comment; // as typed, line breaks as "\n"
};

class SaveCatalogDialog : public SkinnedDialog, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmSaveIDX";

    explicit SaveCatalogDialog(AppContext& app);

    // Modal; the name and comment to save, nullopt for Cancel, Esc or close.
    // The comment box keeps what was typed last time.
    std::optional<SaveAnswer> ask(const QString& proposedName);

    void retranslate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();

    AppContext& app_;
    QLineEdit* nameEdit_ = nullptr;
    QPlainTextEdit* commentEdit_ = nullptr;
    ButtonWeb* saveButton_ = nullptr;
    ButtonWeb* cancelButton_ = nullptr;
    ButtonWeb* closeButton_ = nullptr;
};

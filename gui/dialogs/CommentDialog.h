#pragma once
// The comment editor other windows borrow: Enter keeps the text, Esc or the
// close button leaves it unchanged; Ctrl+Enter or Shift+Enter starts a new
// line. Line breaks come back as "\n": callers turn them into the catalog's.

#include "gui/Retranslatable.h"
#include "gui/dialogs/SkinnedDialog.h"

#include <optional>

struct AppContext;
class ButtonWeb;
class QPlainTextEdit;

class CommentDialog : public SkinnedDialog, public Retranslatable {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmEditComment";

    explicit CommentDialog(AppContext& app);

    // Shows the dialog modally over owner with comment in the box; the edited
    // text after OK, nullopt after Cancel, Esc or close.
    std::optional<QString> edit(QWidget* owner, const QString& comment);
    // The one road for callers: the registry's instance edits.
    static std::optional<QString> editComment(AppContext& app, QWidget* owner, const QString& comment);

    void retranslate() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AppContext& app_;
    QPlainTextEdit* commentEdit_ = nullptr;
    ButtonWeb* okButton_ = nullptr;
    ButtonWeb* cancelButton_ = nullptr;
    ButtonWeb* closeButton_ = nullptr;
};

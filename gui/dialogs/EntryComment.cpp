#include "gui/dialogs/EntryComment.h"

#include "engine/catalog/CatalogText.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/problem/Problem.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/services/Services.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Messages.h"

std::optional<std::string> EditEntryComment(AppContext& app, QWidget* owner, const std::string& catalog,
                                            const std::string& key, const std::string& comment)
{
    Prompter& prompter = app.services.prompter;
    QString shown = QString::fromStdString(comment);
    for (;;) {
        const std::optional<QString> edited = CommentDialog::editComment(app, owner, shown);
        if (!edited)
            return std::nullopt;
        const std::string typed = NormalizeLineBreaks(edited->toStdString());
        if (typed == comment)
            return std::nullopt;
        Problems problems = ProblemsShownBy(prompter);
        switch (ChangeComment(catalog, key, typed, problems)) {
        case CommentChange::Written:
            return DecodeMultiLine(EncodeCatalogComment(typed));
        case CommentChange::Refused:
            // The typed text comes back in the editor, to be changed or given up.
            prompter.message(
                MessageText(MessageId::CommentMisfits, {FileWithOutExt(catalog), Windows1252Misfits(typed)}),
                "CorvaneDisk", MsgIcon::Exclamation);
            shown = *edited;
            continue;
        case CommentChange::NoEntry:
            // Renamed over or rewritten since it was read.
            prompter.message(MessageText(MessageId::CommentEntryGone, {FileWithOutExt(catalog)}), "CorvaneDisk",
                             MsgIcon::Exclamation);
            return std::nullopt;
        case CommentChange::Failed: // its problem was shown
            return std::nullopt;
        }
    }
}

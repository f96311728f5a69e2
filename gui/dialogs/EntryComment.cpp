#include "gui/dialogs/EntryComment.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/dialogs/CommentDialog.h"
#include "gui/services/Services.h"
#include "platform/prompter/Prompter.h"

std::optional<std::string> EditEntryComment(AppContext& app, QWidget* owner, const std::string& catalog,
                                            const std::string& key, const std::string& comment)
{
    const std::optional<QString> edited = CommentDialog::editComment(app, owner, QString::fromStdString(comment));
    if (!edited)
        return std::nullopt;
    const std::string typed = NormalizeLineBreaks(edited->toStdString());
    if (typed == comment)
        return std::nullopt;
    if (ChangeComment(catalog, key, typed))
        return DecodeMultiLine(EncodeCatalogComment(typed));
    // A catalog that is gone or cannot be read has been reported by the
    // rewrite; one that was renamed over or rewritten since has no such line.
    if (IsSafeCatalogName(catalog) && NameTaken(Folders().LibPath + catalog))
        app.services.prompter.message("The catalog \"" + FileWithOutExt(catalog) +
                                          "\" no longer holds this entry as it was read; the comment was not written.",
                                      "CorvaneDisk", MsgIcon::Exclamation);
    return std::nullopt;
}

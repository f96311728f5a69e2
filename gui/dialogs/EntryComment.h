#pragma once
// F12 on an entry of a saved catalog, in the browser and the search results:
// the comment editor, then the one line rewritten.

#include <optional>
#include <string>

struct AppContext;
class QWidget;

// Edits comment (as shown, line breaks CR LF) and writes it to the entry
// named by key in catalog (a file name of the library). The comment as the
// catalog now holds it, decoded, when the line was rewritten; nothing when
// the edit was cancelled or changed nothing, or when nothing was written:
// the user has then been told why (the file is gone or unreadable, or it no
// longer holds that entry as it was read). A comment the entry's line cannot
// hold is refused with the reason, and the editor opens again on it.
std::optional<std::string> EditEntryComment(AppContext& app, QWidget* owner, const std::string& catalog,
                                            const std::string& key, const std::string& comment);

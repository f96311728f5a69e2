// What the results window does with the file behind a row.
#include "results/SearchResultsWindow.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/dialogs/EntryComment.h"
#include "gui/services/DesktopActions.h"
#include "gui/services/FolderChooser.h"
#include "gui/services/Services.h"
#include "gui/services/ShellHelpers.h"
#include "language/LangText.h"
#include "platform/fs/FileIdentity.h"
#include "platform/fs/MoveFile.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Encoding.h"
#include "results/FindResultsModel.h"

#include <QFile>

#include <cerrno>
#include <unistd.h>

namespace {
constexpr std::string_view Title = "CorvaneDisk";

std::string NameOf(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}
} // namespace

std::string_view SearchResultsWindow::catalogPath(const FindRow& row)
{
    // The key starts with the line's path field.
    return ParseBodyLine(row[FindRow::Key]).path;
}

std::optional<std::string> SearchResultsWindow::chosenTarget()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return std::nullopt;
    // Copies: the rows may change while the prompt waits (a search runs on).
    const FindRow& shown = model_->row(*row);
    const std::string path(catalogPath(shown));
    const std::string prompt = app_.texts[TextId::InsertDisk] + " " + FileWithOutExt(shown[FindRow::DiskID]);
    if (!app_.services.prompter.askOkCancel(prompt, Title, MsgIcon::None))
        return std::nullopt;
    // Every action asks the disk first, then looks for the file on it.
    return CatalogTarget(app_.services.prompter, path);
}

void SearchResultsWindow::openSelected()
{
    if (const std::optional<std::string> target = chosenTarget())
        ShowErrorsOf(app_.services.prompter, "frmFind", "MenuOpen", [&] { app_.services.desktop.open(*target); });
}

void SearchResultsWindow::showSelectedProperties()
{
    if (const std::optional<std::string> target = chosenTarget())
        ShowProperties(app_.services.prompter, app_.services.desktop, this, *target);
}

void SearchResultsWindow::deleteSelected()
{
    const std::optional<std::string> chosen = chosenTarget();
    if (!chosen)
        return;
    const std::string& target = *chosen;
    Prompter& prompter = app_.services.prompter;
    const std::string question =
        app_.texts[TextId::AskDelete] + " " + BytesToUtf8(NameOf(target)) + app_.texts[TextId::AskDeleteEnd];
    if (!prompter.askYesNo(question, Title, MsgIcon::Question))
        return;
    ShowErrorsOf(prompter, "frmFind", "MenuDel", [&] {
        if (::unlink(target.c_str()) != 0)
            RaiseFromErrno(errno, target);
    });
}

void SearchResultsWindow::moveSelected()
{
    const std::optional<std::string> chosen = chosenTarget();
    if (!chosen)
        return;
    const std::string& source = *chosen;
    Prompter& prompter = app_.services.prompter;
    const std::optional<QString> folder = app_.services.folderChooser.chooseFolder(
        this, app_.texts.text(TextId::ChooseFolder), SpecialFolderPath(GetFolderValue(13)));
    if (!folder)
        return;
    const std::string name = NameOf(source);
    const std::string into = QFile::encodeName(*folder).toStdString();
    // The same folder by another road (a link, a bind mount) is refused too.
    if (SameFile(source.substr(0, source.size() - name.size()), into)) {
        prompter.message(app_.texts[TextId::MoveSameFolder], Title, MsgIcon::Exclamation);
        return;
    }
    const std::string target = AddSlash(into) + name;
    const bool taken = NameTaken(target);
    if (taken && !prompter.askYesNo(app_.texts[TextId::AskOverwriteFile] + BytesToUtf8(name) + "?",
                                    app_.texts[TextId::OverwriteFileTitle], MsgIcon::Question))
        return;
    ShowErrorsOf(prompter, "frmFind", "MenuMove", [&] { MoveFileTo(source, target, taken); });
}

void SearchResultsWindow::editSelectedComment()
{
    const std::optional<int> row = selectedRow();
    if (!row)
        return;
    // Copies, and the row kept by a persistent index: a running search may
    // add and sort rows while the editor is open.
    const FindRow& shown = model_->row(*row);
    const std::string old(shown[FindRow::Comment]), catalog(shown[FindRow::DiskID]), key(shown[FindRow::Key]);
    const QPersistentModelIndex where = model_->index(*row, FindRow::Comment);
    // The stored key names exactly the line the row came from.
    if (const std::optional<std::string> written = EditEntryComment(app_, this, catalog, key, old);
        written && where.isValid())
        model_->setComment(where.row(), *written);
}

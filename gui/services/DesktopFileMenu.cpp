#include "gui/services/DesktopFileMenu.h"

#include "gui/services/DesktopActions.h"
#include "gui/services/ShellHelpers.h"
#include "platform/prompter/ErrorBox.h"

#include <QMenu>
#include <QPointer>

namespace {
// A failing command is reported; it never escapes into the event loop.
template <class Command> void addCommand(Prompter& prompter, QMenu& menu, const QString& text, Command command)
{
    QObject::connect(menu.addAction(text), &QAction::triggered, &menu,
                     [&prompter, command] { ShowErrorsOf(prompter, "modMenuDefs", "ShowShellContextMenu", command); });
}
} // namespace

std::unique_ptr<QMenu> MakeDesktopFileMenu(const std::string& path, DesktopActions& desktop, Prompter& prompter,
                                           QWidget* owner)
{
    if (!IsPresent(path))
        return nullptr;
    // No parent: the caller owns the menu, whatever happens to owner.
    auto menu = std::make_unique<QMenu>();
    DesktopActions* d = &desktop;
    addCommand(prompter, *menu, QStringLiteral("Open"), [d, path] { d->open(path); });

    QMenu* with = menu->addMenu(QStringLiteral("Open With"));
    for (const DesktopApp& app : desktop.applicationsFor(path)) {
        addCommand(prompter, *with, app.name, [d, path, id = app.id] { d->launch(id, path); });
        with->actions().back()->setIcon(app.icon);
    }
    with->setEnabled(!with->isEmpty());

    addCommand(prompter, *menu, QStringLiteral("Other Application..."), [d, path] { d->openWith(path); });
    menu->addSeparator();
    addCommand(prompter, *menu, QStringLiteral("Show in Folder"), [d, path] { d->showInFolder(path); });
    addCommand(prompter, *menu, QStringLiteral("Copy Path"), [d, path] { d->copyPath(path); });
    menu->addSeparator();
    addCommand(prompter, *menu, QStringLiteral("Move to Trash"), [d, path] { d->moveToTrash(path); });
    menu->addSeparator();
    addCommand(prompter, *menu, QStringLiteral("Properties"),
               [d, path, owner = QPointer<QWidget>(owner)] { d->showProperties(path, owner); });
    return menu;
}

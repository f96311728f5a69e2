#include "tests/support/FakeServices.h"

#include <QMenu>

std::optional<QString> FakeFolderChooser::chooseFolder(QWidget*, const QString& title, const QString& startFolder)
{
    asked.push_back({title, startFolder});
    if (answers.empty())
        return std::nullopt;
    if (!answers.front()) {
        answers.pop_front();
        return std::nullopt;
    }
    const QString folder = *answers.front();
    answers.pop_front();
    return folder;
}

QAction* FakeTrayIcon::popMenu(QMenu& menu)
{
    QStringList texts;
    for (QAction* action : menu.actions())
        texts << action->text();
    menusShown.push_back(texts);
    if (menuChoice)
        menuChoice->trigger();
    return menuChoice;
}

void FakeTrayIcon::click(Qt::MouseButton button)
{
    emit pressed(button);
    emit released(button);
}

void FakeTrayIcon::loseHost()
{
    visible = false;
    emit hostLost();
}

std::unique_ptr<TrayIcon> FakeTrayFactory::create()
{
    if (!host)
        return nullptr;
    auto icon = std::make_unique<FakeTrayIcon>();
    made_.emplace_back(icon.get());
    return icon;
}

std::vector<FakeTrayIcon*> FakeTrayFactory::liveIcons() const
{
    std::vector<FakeTrayIcon*> live;
    for (const QPointer<FakeTrayIcon>& icon : made_)
        if (icon)
            live.push_back(icon);
    return live;
}

#include "tests/library/LibraryFixtures.h"

#include <QAction>
#include <QKeyEvent>

#include <fcntl.h>
#include <sys/stat.h>

void SetModificationTime(const std::string& path, std::time_t when)
{
    const timespec times[2] = {{when, 0}, {when, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

void ChooseFromNextMenu(const QString& key, QStringList* disabledItems)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, key, disabledItems] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll->stop();
        poll->deleteLater();
        QAction* chosen = nullptr;
        for (QAction* a : menu->actions()) {
            if (disabledItems && !a->isEnabled() && !a->isSeparator())
                disabledItems->push_back(a->objectName());
            if (a->objectName() == key && a->isEnabled())
                chosen = a;
        }
        if (chosen) { // as a person chooses with the keyboard
            menu->setActiveAction(chosen);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(menu, &enter);
        } else {
            menu->close();
        }
    });
    poll->start(10);
}

MainWindow& StartMainWindow(TestWorld& world)
{
    DefineWindows(world.app);
    auto& main = world.windows.get<MainWindow>();
    main.startUp();
    main.show();
    main.finishStartUp();
    return main;
}

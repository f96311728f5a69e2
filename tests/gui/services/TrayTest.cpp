#include "gui/services/Tray.h"

#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// The icon's mouse events as one list: "press 1", "release 1", "double 1"...
struct Events {
    explicit Events(TrayIcon& icon)
    {
        auto record = [this](const char* what) {
            return [this, what](Qt::MouseButton b) { seen << QStringLiteral("%1 %2").arg(what).arg(int(b)); };
        };
        QObject::connect(&icon, &TrayIcon::pressed, record("press"));
        QObject::connect(&icon, &TrayIcon::released, record("release"));
        QObject::connect(&icon, &TrayIcon::doubleClicked, record("double"));
    }
    QStringList seen;
};
} // namespace

TEST(SystemTrayIcon, HostClicksBecomeButtonEvents)
{
    SystemTrayIcon icon([] { return true; });
    Events events(icon);
    QSystemTrayIcon* host = icon.findChild<QSystemTrayIcon*>();
    ASSERT_TRUE(host);
    for (auto why : {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context,
                     QSystemTrayIcon::MiddleClick, QSystemTrayIcon::Unknown})
        emit host->activated(why);
    EXPECT_EQ(events.seen, QStringList({"press 1", "release 1", "double 1", "press 2", "release 2"}));
}

TEST(SystemTrayIcon, AVanishingHostTurnsTheIconOffOnce)
{
    bool host = true;
    SystemTrayIcon icon([&host] { return host; }, std::chrono::milliseconds(5));
    QSignalSpy lost(&icon, &TrayIcon::hostLost);
    icon.setVisible(true);
    QTest::qWait(30);
    EXPECT_EQ(lost.count(), 0);
    host = false;
    EXPECT_TRUE(lost.wait(1000));
    QTest::qWait(30);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(icon.isVisible());
}

TEST(SystemTrayFactory, NoTrayHostNoIcon)
{
    // The offscreen platform has no notification area.
    SystemTrayFactory factory;
    EXPECT_FALSE(factory.hostAvailable());
    EXPECT_EQ(factory.create(), nullptr);
}

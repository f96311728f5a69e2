// The about box: what it shows, where its links lead, the system-information
// tool, and how the main window's ways open it.
#include "gui/AppIcons.h"
#include "gui/WindowState.h"
#include "gui/widgets/ButtonWeb.h"
#include "mainwindow/TrayIconMenu.h"
#include "options/AboutBox.h"
#include "options/WebAddresses.h"
#include "tests/options/OptionsTestWorld.h"
#include "tests/support/NamedControl.h"
#include "tests/support/ScopedEnv.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace {

const std::string NoSysInfo = "Les informations système ne sont pas disponibles actuellement";

class AboutBoxTest : public OptionsTestBase {
protected:
    AboutBox& make()
    {
        auto& about = world.windows.get<AboutBox>();
        about.show();
        QApplication::processEvents();
        return about;
    }
    // The name of the one tab frame shown.
    static QString shownFrame(const AboutBox& about)
    {
        QString shown;
        for (const char* name : {"fraAbout", "fraSupport", "fraThanks"})
            if (Control<QWidget>(about, name).isVisible())
                shown += QLatin1String(name);
        return shown;
    }
    static QTabBar& tabs(const AboutBox& about) { return Control<QTabBar>(about, "TabStrip"); }
    // OK on the modal window, which must be the about box.
    static void clickOk(QWidget* modal)
    {
        ASSERT_NE(qobject_cast<AboutBox*>(modal), nullptr);
        Control<QPushButton>(*modal, "cmdOK").click();
    }
    // A program on PATH that leaves a mark when it runs.
    std::string tool(const std::string& name)
    {
        const std::string path = world.home.write("bin/" + name, "#!/bin/sh\necho ran > \"$0.ran\"\n");
        ::chmod(path.c_str(), 0755);
        return path;
    }
};

} // namespace

TEST_F(AboutBoxTest, TitleTabsAndTheSixLinks)
{
    AboutBox& about = make();
    EXPECT_EQ(Control<QLabel>(about, "lblTitle").text(), "CorvaneDisk 2.0.0");
    ASSERT_EQ(tabs(about).count(), 3);
    EXPECT_EQ(tabs(about).tabText(0), "About");
    EXPECT_EQ(tabs(about).tabText(1), "Support");
    EXPECT_EQ(tabs(about).tabText(2), "Thanks");
    EXPECT_EQ(shownFrame(about), "fraAbout");
    tabs(about).setCurrentIndex(1);
    EXPECT_EQ(shownFrame(about), "fraSupport");
    tabs(about).setCurrentIndex(2);
    EXPECT_EQ(shownFrame(about), "fraThanks");
    EXPECT_EQ(about.findChild<QLabel*>("lblCCRP")->text(), "Vb Commun Control Remplacement");
    EXPECT_EQ(Control<QPushButton>(about, "cmdSysInfo").text(), QString::fromUtf8("&Infos système..."));

    for (auto [tab, names] : {std::pair{1, std::vector<const char*>{"lblFAQURL", "lblSupportURL", "lblSiteURL"}},
                              {2, {"lblTamselURL", "lblVbNetURL", "lblCCRPURL"}}}) {
        tabs(about).setCurrentIndex(tab);
        for (const char* name : names)
            QTest::mouseClick(about.findChild<QLabel*>(name), Qt::LeftButton);
    }
    EXPECT_EQ(world.fakes.shell.opened, (std::vector<std::string>{FaqAddress, SupportAddress, SiteAddress,
                                                                  TamselAddress, VbNetAddress, CcrpAddress}));
    for (const std::string& address : world.fakes.shell.opened)
        EXPECT_NE(address.find(".invalid/"), std::string::npos) << address;
    EXPECT_TRUE(std::string(FaqAddress).ends_with("/faq.php3"));
    EXPECT_TRUE(std::string(SupportAddress).ends_with("/support.php3"));
    EXPECT_TRUE(std::string(VbNetAddress).ends_with("/vbnet/"));
    EXPECT_EQ(about.findChild<QLabel*>("lblCCRPURL")->text().toStdString(), std::string(CcrpAddress) + "/");
    EXPECT_TRUE(std::string(CcrpAddress).ends_with("/ccrp"));
}

TEST_F(AboutBoxTest, EachShowingOpensOnTheFirstTab)
{
    int shown = 0;
    QString frameSeen;
    auto leaveOnThanks = [&](QWidget* w) {
        auto* about = qobject_cast<AboutBox*>(w);
        ASSERT_NE(about, nullptr);
        frameSeen = shownFrame(*about);
        tabs(*about).setCurrentIndex(2);
        ++shown;
        clickOk(about);
    };
    TestWorld::whenModal(leaveOnThanks);
    ShowAboutBox(world.app, main);
    EXPECT_EQ(world.windows.loaded(AboutBox::WindowName), nullptr);
    frameSeen.clear();
    TestWorld::whenModal(leaveOnThanks);
    ShowAboutBox(world.app, nullptr);
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(frameSeen, "fraAbout");
}

TEST_F(AboutBoxTest, SystemInformationStartsTheFirstToolFoundOrSaysThereIsNone)
{
    AboutBox& about = make();
    {
        const ScopedEnv none("PATH", world.home.file("bin"));
        Control<QPushButton>(about, "cmdSysInfo").click();
    }
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, NoSysInfo);
    EXPECT_EQ(world.fakes.prompter.boxes[0].icon, MsgIcon::None);

    const std::string second = tool(SystemInfoTools[2]);
    const std::string first = tool(SystemInfoTools[1]);
    {
        const ScopedEnv tools("PATH", world.home.file("bin"));
        Control<QPushButton>(about, "cmdSysInfo").click();
    }
    ASSERT_TRUE(TestWorld::waitFor([&] { return std::filesystem::exists(first + ".ran"); }));
    EXPECT_FALSE(std::filesystem::exists(second + ".ran"));
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u);
}

TEST_F(AboutBoxTest, TheSideBarDragsTheBoxWithoutSnapping)
{
    AboutBox& about = make();
    about.move(3, 200);
    const QPoint start = about.pos();
    // The drag follows the cursor, as the system reports it at each step.
    auto send = [&](QEvent::Type type, QPoint cursor, Qt::MouseButton button) {
        QCursor::setPos(cursor);
        QMouseEvent e(type, QPointF(5, 5), QPointF(cursor), button, button == Qt::NoButton ? Qt::RightButton : button,
                      Qt::NoModifier);
        QApplication::sendEvent(&Control<QLabel>(about, "picSideBar"), &e);
    };
    send(QEvent::MouseButtonPress, {100, 100}, Qt::RightButton);
    send(QEvent::MouseMove, {95, 130}, Qt::NoButton);
    send(QEvent::MouseButtonRelease, {95, 130}, Qt::RightButton);
    EXPECT_EQ(about.pos(), start + QPoint(-5, 30)); // 3 - 5: no jump to the edge
}

TEST_F(AboutBoxTest, CtrlALeavesStayOnTopWhileTheBoxIsOpen)
{
    world.settings.OnTop = true;
    FormStayOnTop(main, true);
    bool onTopMeanwhile = true;
    QWidget* owner = nullptr;
    TestWorld::whenModal([&](QWidget* w) {
        onTopMeanwhile = main->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        owner = w->parentWidget();
        clickOk(w);
    });
    QTest::keyClick(main, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(onTopMeanwhile);
    EXPECT_EQ(owner, main);
    EXPECT_TRUE(main->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    // From the tray while the window lives there: it stays hidden.
    QMetaObject::invokeMethod(&Control<ButtonWeb>(*main, "BWMin"), "clicked");
    ASSERT_TRUE(main->hiddenToTray());
    TestWorld::whenModal([](QWidget* w) { clickOk(w); });
    emit world.windows.find<TrayIconMenu>()->menuChosen(0, QStringLiteral("ABOUT"));
    EXPECT_FALSE(main->isVisible());
}

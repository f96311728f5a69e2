#include "gui/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {
struct FrmTest : QWidget {
    static constexpr const char* WindowName = "frmTest";
};
} // namespace

TEST(WindowRegistry, MakesOneInstanceAtFirstUseAndAFreshOneAfterUnload)
{
    WindowRegistry windows;
    int made = 0;
    windows.define("frmTest", [&] {
        ++made;
        return new FrmTest;
    });
    windows.define("frmOther", [] { return new QWidget; });

    EXPECT_EQ(windows.find<FrmTest>(), nullptr);
    EXPECT_EQ(made, 0);
    FrmTest& first = windows.get<FrmTest>();
    EXPECT_EQ(&windows.get<FrmTest>(), &first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first.objectName(), "frmTest");
    EXPECT_EQ(windows.loadedNames(), std::vector<std::string>{"frmTest"});

    QPointer<QWidget> old(&first);
    windows.unload("frmTest");
    EXPECT_EQ(windows.find<FrmTest>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    windows.get<FrmTest>();
    EXPECT_EQ(made, 2);
    EXPECT_THROW(windows.instance("frmNone"), std::out_of_range);
}

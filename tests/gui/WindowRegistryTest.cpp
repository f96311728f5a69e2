#include "gui/WindowRegistry.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

namespace {
struct TestWindow : QWidget {
    static constexpr const char* WindowName = "frmTest";
};
} // namespace

TEST(WindowRegistry, MakesOneInstanceAtFirstUseAndAFreshOneAfterUnload)
{
    WindowRegistry windows;
    int made = 0;
    windows.define("frmTest", [&] {
        ++made;
        return new TestWindow;
    });
    windows.define("frmOther", [] { return new QWidget; });

    EXPECT_EQ(windows.find<TestWindow>(), nullptr);
    EXPECT_EQ(made, 0);
    TestWindow& first = windows.get<TestWindow>();
    EXPECT_EQ(&windows.get<TestWindow>(), &first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first.objectName(), "frmTest");
    EXPECT_EQ(windows.loadedNames(), std::vector<std::string>{"frmTest"});

    QPointer<QWidget> old(&first);
    windows.unload("frmTest");
    EXPECT_EQ(windows.find<TestWindow>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(old.isNull());
    windows.get<TestWindow>();
    EXPECT_EQ(made, 2);
    EXPECT_THROW(windows.instance("frmNone"), std::out_of_range);
}

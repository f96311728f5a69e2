#include "gui/AppIcons.h"

#include <gtest/gtest.h>

TEST(ProgramIcon, ComesInEverySizeADesktopAsksFor)
{
    const QIcon icon = ProgramIcon();
    QList<int> sizes;
    for (const QSize& s : icon.availableSizes())
        sizes << s.width();
    EXPECT_EQ(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
    EXPECT_EQ(icon.pixmap(256, 256).size(), QSize(256, 256));
}

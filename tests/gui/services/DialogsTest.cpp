#include "gui/services/FilePropertiesDialog.h"
#include "gui/services/OpenWithDialog.h"
#include "tests/gui/services/FakeApplications.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QLocale>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The value the properties dialog shows on a row ("Name", "Size"...), empty
// when there is no such row.
QString Shown(const FilePropertiesDialog& dialog, const char* row)
{
    const QLabel* label = dialog.findChild<QLabel*>(QString::fromUtf8(row), Qt::FindDirectChildrenOnly);
    return label ? label->text() : QString();
}
QStringList names(const QListWidget& list)
{
    QStringList n;
    for (int i = 0; i < list.count(); ++i)
        n << list.item(i)->text();
    return n;
}
} // namespace

TEST(OpenWithDialog, ListsTheApplicationsForTheTypeAndOnRequestAll)
{
    FakeApplications apps;
    apps.forType = {FakeApplications::app("editor.desktop", "Editor"),
                    FakeApplications::app("viewer.desktop", "Viewer")};
    apps.everything = {FakeApplications::app("browser.desktop", "Browser"),
                       FakeApplications::app("editor.desktop", "Editor"),
                       FakeApplications::app("viewer.desktop", "Viewer")};
    OpenWithDialog dialog("/tmp/x/notes.txt", apps);
    EXPECT_EQ(names(dialog.list()), QStringList({"Editor", "Viewer"}));
    EXPECT_FALSE(dialog.list().item(0)->icon().isNull());
    EXPECT_FALSE(dialog.showAll().isChecked());
    EXPECT_EQ(dialog.chosenApplication(), QStringLiteral("editor.desktop"));

    dialog.showAll().setChecked(true);
    EXPECT_EQ(names(dialog.list()), QStringList({"Browser", "Editor", "Viewer"}));
    dialog.list().setCurrentRow(2);
    EXPECT_EQ(dialog.chosenApplication(), QStringLiteral("viewer.desktop"));
}

TEST(OpenWithDialog, ATypeWithoutApplicationsOffersEveryApplication)
{
    FakeApplications apps;
    apps.everything = {FakeApplications::app("browser.desktop", "Browser")};
    OpenWithDialog dialog("/tmp/x/data.unknown", apps);
    EXPECT_TRUE(dialog.showAll().isChecked());
    EXPECT_EQ(names(dialog.list()), QStringList({"Browser"}));

    FakeApplications nothing;
    OpenWithDialog empty("/tmp/x/data.unknown", nothing);
    EXPECT_EQ(empty.list().count(), 0);
    EXPECT_FALSE(empty.chosenApplication().has_value());
}

TEST(FilePropertiesDialog, ShowsTheFactsOfARealFile)
{
    TempDir dir;
    const std::string path = dir.write("report 2023.txt", std::string(5000, 'a'));
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    // 15/01/2024 10:30:00 UTC (the tests run with TZ=UTC).
    const timespec times[2] = {{1705314600, 0}, {1705314600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    FilePropertiesDialog dialog(path);
    EXPECT_EQ(Shown(dialog, "Name"), QStringLiteral("report 2023.txt"));
    EXPECT_TRUE(Shown(dialog, "Type").contains(QStringLiteral("text/plain"))) << Shown(dialog, "Type").toStdString();
    EXPECT_EQ(Shown(dialog, "Location"), QString::fromStdString(dir.path()));
    EXPECT_TRUE(Shown(dialog, "Size").contains(QLocale().toString(qint64(5000)) + " bytes"))
        << Shown(dialog, "Size").toStdString();
    EXPECT_EQ(Shown(dialog, "Modified"), QStringLiteral("15/01/2024 10:30:00"));
    EXPECT_EQ(Shown(dialog, "Accessed"), QStringLiteral("15/01/2024 10:30:00"));
    EXPECT_FALSE(Shown(dialog, "Created").isEmpty());
    const passwd* me = ::getpwuid(::getuid());
    ASSERT_TRUE(me);
    EXPECT_EQ(Shown(dialog, "Owner"), QString::fromLocal8Bit(me->pw_name));
    EXPECT_FALSE(Shown(dialog, "Group").isEmpty());
    EXPECT_EQ(Shown(dialog, "Permissions"), QStringLiteral("rw-r----- (0640)"));
    EXPECT_TRUE(Shown(dialog, "Nonsense").isEmpty());
}

TEST(FilePropertiesDialog, ANameInALegacyEncodingShowsItsOwnFacts)
{
    TempDir dir;
    // Latin-1 "été.txt": no QString leads back to these bytes.
    const std::string path = dir.write("\xE9t\xE9.txt", std::string(3000, 'a'));
    ASSERT_EQ(::chmod(path.c_str(), 0604), 0);
    FilePropertiesDialog dialog(path);
    EXPECT_EQ(Shown(dialog, "Name"), QStringLiteral("été.txt"));
    EXPECT_TRUE(Shown(dialog, "Type").contains(QStringLiteral("text/plain"))) << Shown(dialog, "Type").toStdString();
    EXPECT_TRUE(Shown(dialog, "Size").contains(QLocale().toString(qint64(3000)) + " bytes"))
        << Shown(dialog, "Size").toStdString();
    EXPECT_EQ(Shown(dialog, "Permissions"), QStringLiteral("rw----r-- (0604)"));
}

TEST(FilePropertiesDialog, PermissionTextShowsSpecialBits)
{
    EXPECT_EQ(PermissionText(S_IFREG | 0755), QStringLiteral("rwxr-xr-x (0755)"));
    EXPECT_EQ(PermissionText(S_IFREG | 04755), QStringLiteral("rwsr-xr-x (4755)"));
    EXPECT_EQ(PermissionText(S_IFREG | 02640), QStringLiteral("rw-r-S--- (2640)"));
    EXPECT_EQ(PermissionText(S_IFDIR | 01777), QStringLiteral("rwxrwxrwt (1777)"));
    EXPECT_EQ(PermissionText(S_IFDIR | 01770), QStringLiteral("rwxrwx--T (1770)"));
    EXPECT_EQ(PermissionText(0), QStringLiteral("--------- (0000)"));
}

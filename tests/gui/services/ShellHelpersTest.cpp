#include "engine/catalog/CatalogPath.h"
#include "gui/services/Ejector.h"
#include "gui/services/HelpService.h"
#include "gui/services/ShellHelpers.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(ShellHelpers, FolderValueTable)
{
    const std::pair<std::int16_t, std::int32_t> table[] = {{-32768, 0}, {-1, 0},  {0, 0},   {1, 0},   {2, 2},
                                                           {5, 5},      {11, 11}, {12, 16}, {13, 17}, {32767, 32771}};
    for (auto [index, value] : table)
        EXPECT_EQ(GetFolderValue(index), value) << index;
    EXPECT_EQ(SpecialFolderPath(GetFolderValue(13)), QStringLiteral("/"));
}

TEST(HelpPages, OpensAShippedPageAndSaysOnceThatThereIsNone)
{
    TempDir app;
    RecordingShell shell;
    RecordingPrompter prompter;
    HelpPages help(app.path() + "/", prompter);
    help.showHelp(1003);
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].kind, "message");
    EXPECT_EQ(prompter.boxes[0].text, "No help is installed.");
    help.showHelp(1003);
    help.showHelp(1007);

    const std::string page = app.write("help/1006.html", "<html></html>");
    help.showHelp(1006);
    std::filesystem::create_directories(app.file("help/1008.html"));
    help.showHelp(1008);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{page}));
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST(CdromEjector, NothingHappensWhereThereIsNoDiscDrive)
{
    TempDir dir;
    const std::string notADrive = dir.write("sr0", "");
    std::filesystem::create_directories(dir.file("disc/sub"));
    std::filesystem::create_directories(dir.file("stick"));
    std::filesystem::create_directories(dir.file("ram"));
    const std::string table = dir.write("mountinfo", "26 1 254:0 / / rw - ext4 /dev/vda rw\n"
                                                     "40 26 11:0 / " +
                                                         dir.file("disc") + " ro - iso9660 " + notADrive +
                                                         " ro\n"
                                                         "41 26 8:17 / " +
                                                         dir.file("stick") +
                                                         " rw - vfat /dev/sdb1 rw\n"
                                                         "42 26 0:50 / " +
                                                         dir.file("ram") + " rw - tmpfs tmpfs rw\n");
    // No bus to find UDisks2 on: the drive's own eject is all there is.
    const std::string noBus = "unix:path=" + dir.file("no-bus");
    CdromEjector ejector(table, noBus);
    // A drive's device outside /dev: never touched.
    const EjectOutcome refused = ejector.ejectDiscHolding(dir.file("disc/sub"));
    EXPECT_FALSE(refused.opened);
    EXPECT_EQ(refused.reason, dir.file("disc/sub") + " is not on a disc in a drive");
    EXPECT_EQ(ReadFileBytes(notADrive), "");
    const EjectOutcome stick = ejector.ejectDiscHolding(dir.file("stick")); // never an eject to a USB disk
    EXPECT_FALSE(stick.opened);
    EXPECT_EQ(stick.reason, dir.file("stick") + " is not on a disc in a drive");
    EXPECT_FALSE(ejector.ejectDiscHolding(dir.file("ram")).opened);
    EXPECT_FALSE(ejector.ejectDiscHolding(dir.file("nowhere")).opened);
    EXPECT_FALSE(CdromEjector(dir.file("no-table"), noBus).ejectDiscHolding(dir.file("disc")).opened);
    EXPECT_FALSE(CdromEjector("/proc/self/mountinfo", noBus).ejectDiscHolding(dir.path()).opened);
}

// A catalog path's target: the one file that fits; nothing when none does,
// said by the path as written, whatever stands there now (a folder, a path of
// another system); nothing and a message naming them when several do. Legacy
// names are shown as they read.
TEST(ShellHelpers, CatalogTargetTakesTheOneFileThatFitsAndNeverGuesses)
{
    TempDir dir;
    RecordingPrompter prompter;
    const std::string lone = dir.write("c>d.txt", "");
    const std::string first = dir.write("\xE9>x", ""), second = dir.write("\xE9?x", "");
    std::filesystem::create_directories(dir.file("was a file.txt/inside"));
    const std::string folder = ToCatalogPath(dir.path() + "/");
    EXPECT_EQ(CatalogTarget(prompter, folder + "c?d.txt"), lone);
    EXPECT_EQ(CatalogTarget(prompter, folder + "c?d.txt/docs\\a.txt"), lone);
    EXPECT_TRUE(prompter.boxes.empty());

    for (const std::string& gone : {folder + "gone?.txt", folder + "was a file.txt", std::string("C:\\Docs\\a.txt")})
        EXPECT_EQ(CatalogTarget(prompter, gone), std::nullopt) << gone;
    ASSERT_EQ(prompter.boxes.size(), 3u);
    EXPECT_EQ(prompter.boxes[0].text, "\"" + dir.path() + "/gone?.txt\" no longer exists.");
    EXPECT_EQ(prompter.boxes[1].text, "\"" + dir.path() + "/was a file.txt\" no longer exists.");
    EXPECT_EQ(prompter.boxes[2].text, "\"C:/Docs/a.txt\" no longer exists.");
    // Where only a file that is there is offered, the gone one is not mentioned.
    EXPECT_EQ(CatalogTargetOrEmpty(prompter, folder + "was a file.txt"), "");
    EXPECT_EQ(CatalogTargetOrEmpty(prompter, folder + "c?d.txt"), lone);
    EXPECT_EQ(prompter.boxes.size(), 3u);
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("was a file.txt/inside")));

    prompter.boxes.clear();
    EXPECT_EQ(CatalogTarget(prompter, folder + "\xE9?x"), std::nullopt);
    EXPECT_EQ(CatalogTargetOrEmpty(prompter, folder + "\xE9?x"), std::nullopt);
    ASSERT_EQ(prompter.boxes.size(), 2u);
    EXPECT_EQ(prompter.boxes[0].kind, "message");
    EXPECT_EQ(prompter.boxes[0].text, "The catalog writes the names of these files alike, so \"" + dir.path() +
                                          "/é?x\" could be any of them; nothing was done:\n" + dir.path() + "/é>x\n" +
                                          dir.path() + "/é?x");
    EXPECT_EQ(prompter.boxes[1].text, prompter.boxes[0].text);
    EXPECT_TRUE(std::filesystem::exists(first) && std::filesystem::exists(second));
}

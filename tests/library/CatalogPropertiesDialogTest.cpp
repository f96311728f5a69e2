#include "engine/catalog/CatalogHeader.h"
#include "engine/library/CatalogProperties.h"
#include "library/CatalogPropertiesDialog.h"
#include "library/UsagePie.h"
#include "tests/library/LibraryFixtures.h"
#include "tests/support/NamedControl.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

namespace {

const std::string Body = "\\data\\a.txt>1 Kb/01/02/2003\r\n"
                         "\\data\\sub\\b.zip/in\\c.txt>2 Kb/01/02/2003>Found in zipfile :b.zip<\r\n"
                         "\\database\\d.txt>3 Kb/01/02/2003\r\n"
                         "\\other\\data\\e.txt>4 Kb/01/02/2003\r\n";

struct CatalogPropertiesDialogTest : ::testing::Test {
    TestWorld world;
    std::unique_ptr<CatalogPropertiesDialog> dialog;

    std::string catalog(const std::string& name, const HeaderFields& h = HeaderFields(), const std::string& body = Body)
    {
        return world.home.write("dat/" + name, CatalogHeaderText(h) + body);
    }
    std::string text(const std::string& name) const { return world.home.read("dat/" + name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(world.lib() + name); }
    // The dialog of a catalog, loaded as the library list loads it.
    CatalogPropertiesDialog& open(const std::string& name)
    {
        dialog = std::make_unique<CatalogPropertiesDialog>(world.app);
        dialog->showProperties(PropertiesOf(name, ReadCatalogHeader(world.lib() + name).header));
        return *dialog;
    }
    QRgb pixel(int x, int y) { return Control<QLabel>(*dialog, "picDraw").pixmap().toImage().pixel(x, y) & 0xFFFFFF; }
    // A point of the ellipse (radii 70 x 35 about (94, 56)) at an angle, scaled in by f.
    QRgb pieAt(double degrees, double f = 0.5)
    {
        const double a = degrees * M_PI / 180;
        return pixel(int(std::lround(94 + 70 * f * std::cos(a))), int(std::lround(56 - 35 * f * std::sin(a))));
    }
    // The rim under the ellipse's edge at x.
    QRgb rimAt(int x)
    {
        const double dx = (x - 94) / 70.0;
        return pixel(x, int(std::lround(56 + 35 * std::sqrt(1 - dx * dx))) + 5);
    }
};

QRgb Rgb(const QColor& c)
{
    return c.rgb() & 0xFFFFFF;
}

} // namespace

TEST_F(CatalogPropertiesDialogTest, OkWithoutAChangeWritesNothing)
{
    const std::string path = catalog("Disk.dat", HeaderFields().Comment("kept"));
    SetModificationTime(path, 1104580800);
    auto& d = open("Disk.dat");
    EXPECT_FALSE(Control<QPushButton>(d, "cmdApply").isEnabled());
    Control<QPushButton>(d, "cmdOK").click();
    Control<QLineEdit>(d, "txtName").setText("Other"); // typed and typed back: Apply lights up, nothing differs
    Control<QLineEdit>(d, "txtName").setText("Disk");
    EXPECT_TRUE(Control<QPushButton>(d, "cmdApply").isEnabled());
    Control<QPushButton>(d, "cmdOK").click();
    EXPECT_EQ(ModificationTime(path), 1104580800);
    EXPECT_EQ(text("Disk.dat"), CatalogHeaderText(HeaderFields().Comment("kept")) + Body);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(CatalogPropertiesDialogTest, ACommentEditRewritesLineElevenOnlyAndReadsBackWithItsLineBreaks)
{
    catalog("Disk.dat", HeaderFields().Comment("old"));
    auto& d = open("Disk.dat");
    Control<QPlainTextEdit>(d, "txtComment").setPlainText("first line\nsecond <line>");
    ASSERT_TRUE(Control<QPushButton>(d, "cmdApply").isEnabled());
    Control<QPushButton>(d, "cmdApply").click();
    EXPECT_FALSE(Control<QPushButton>(d, "cmdApply").isEnabled());
    // Line 11 is read whole after its label: "<" and ">" stay as typed.
    EXPECT_EQ(text("Disk.dat"), CatalogHeaderText(HeaderFields().Comment("first line\x01second <line>")) + Body);

    auto& again = open("Disk.dat");
    EXPECT_EQ(Control<QPlainTextEdit>(again, "txtComment").toPlainText(), "first line\nsecond <line>");
}

TEST_F(CatalogPropertiesDialogTest, ARootChangeRewritesLineSixAndTheBodyLinesUnderTheOldRootOnce)
{
    catalog("Disk.dat");
    auto& d = open("Disk.dat");
    EXPECT_EQ(Control<QLabel>(d, "lblRootDir").text(), "\\data\\");
    world.fakes.folderChooser.answers = {QStringLiteral("/mnt/new disk")};
    Control<QPushButton>(d, "cmdBrowse").click();
    EXPECT_EQ(world.fakes.folderChooser.asked.at(0).title, world.texts.text(TextId::ChooseFolder));
    EXPECT_EQ(Control<QLabel>(d, "lblRootDir").text(), "\\mnt\\new disk\\");
    EXPECT_EQ(text("Disk.dat"), CatalogHeaderText(HeaderFields()) + Body); // nothing before Apply
    Control<QPushButton>(d, "cmdApply").click();
    d.applyChanges(); // a second apply repeats nothing
    EXPECT_EQ(text("Disk.dat"), CatalogHeaderText(HeaderFields().Root("\\mnt\\new disk")) +
                                    "\\mnt\\new disk\\a.txt>1 Kb/01/02/2003\r\n"
                                    "\\mnt\\new disk\\sub\\b.zip/in\\c.txt>2 Kb/01/02/2003>Found in zipfile :b.zip<\r\n"
                                    "\\database\\d.txt>3 Kb/01/02/2003\r\n"
                                    "\\other\\data\\e.txt>4 Kb/01/02/2003\r\n");

    // The file system's root, and Cancel after choosing.
    world.fakes.folderChooser.answers = {QStringLiteral("/")};
    Control<QPushButton>(d, "cmdBrowse").click();
    Control<QPushButton>(d, "cmdOK").click();
    EXPECT_EQ(text("Disk.dat").substr(0, 200).find(">Root Dir \\\r\n") != std::string::npos, true);
    EXPECT_NE(text("Disk.dat").find("\r\n\\a.txt>1 Kb"), std::string::npos);
    const std::string before = text("Disk.dat");
    auto& other = open("Disk.dat");
    world.fakes.folderChooser.answers = {QStringLiteral("/elsewhere")};
    Control<QPushButton>(other, "cmdBrowse").click();
    Control<QPushButton>(other, "cmdCancel").click();
    EXPECT_EQ(text("Disk.dat"), before);
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

// Beside a legacy name a root beyond ASCII would read as another folder:
// refused with the reason, nothing written, and another folder may follow.
TEST_F(CatalogPropertiesDialogTest, ARootTheNamesCannotStandBesideIsRefusedWithTheReason)
{
    const std::string body = Body + "\\data\\R\xE9sum\xE9.doc>1 Kb/01/02/2003\r\n";
    catalog("Disk.dat", HeaderFields(), body);
    auto& d = open("Disk.dat");
    world.fakes.folderChooser.answers = {QString::fromUtf8("/mnt/\xCE\xA9 disk")};
    Control<QPushButton>(d, "cmdBrowse").click();
    Control<QPushButton>(d, "cmdApply").click();
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text,
              "The catalog \"Disk\" holds file names under its root that are not UTF-8; beside them the folder "
              "\"\\mnt\\\xCE\xA9 disk\\\" would read as another one. The root was not changed: choose a folder "
              "whose path is plain ASCII.");
    EXPECT_EQ(text("Disk.dat"), CatalogHeaderText(HeaderFields()) + body);
    EXPECT_TRUE(Control<QPushButton>(d, "cmdApply").isEnabled());

    world.fakes.folderChooser.answers = {QStringLiteral("/mnt/disk")};
    Control<QPushButton>(d, "cmdBrowse").click();
    Control<QPushButton>(d, "cmdApply").click();
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(text("Disk.dat").find("\r\n\\mnt\\disk\\R\xE9sum\xE9.doc>1 Kb/01/02/2003\r\n"), std::string::npos);
    EXPECT_FALSE(Control<QPushButton>(d, "cmdApply").isEnabled());
}

// A folder named in Latin-1 reaches the dialog with its bytes replaced, so
// no root can name it: refused before anything changes.
TEST_F(CatalogPropertiesDialogTest, AFolderWhoseNameTheChooserCannotHoldIsNoRoot)
{
    catalog("Disk.dat");
    const std::string before = text("Disk.dat");
    const std::string folder = world.home.file("R\xE9sum\xE9s");
    std::filesystem::create_directory(folder);
    auto& d = open("Disk.dat");
    const QString shown = Control<QLabel>(d, "lblRootDir").text();
    world.fakes.folderChooser.answers = {QString::fromLocal8Bit(folder.c_str())};
    Control<QPushButton>(d, "cmdBrowse").click();
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("is not UTF-8, so the catalog cannot name it. The root was not "
                                                      "changed."),
              std::string::npos)
        << world.fakes.prompter.boxes[0].text;
    EXPECT_EQ(Control<QLabel>(d, "lblRootDir").text(), shown);
    EXPECT_FALSE(Control<QPushButton>(d, "cmdApply").isEnabled());
    Control<QPushButton>(d, "cmdOK").click();
    EXPECT_EQ(text("Disk.dat"), before);
}

TEST_F(CatalogPropertiesDialogTest, ARenameLeavesOneFileAndLaterChangesFollowIt)
{
    catalog("Disk.dat");
    const std::string content = text("Disk.dat");
    auto& d = open("Disk.dat");
    Control<QLineEdit>(d, "txtName").setText(" Holiday 2004 ");
    Control<QPushButton>(d, "cmdApply").click();
    EXPECT_FALSE(exists("Disk.dat"));
    EXPECT_EQ(text("Holiday 2004.dat"), content);
    EXPECT_EQ(d.fileName(), "Holiday 2004.dat");
    Control<QPlainTextEdit>(d, "txtComment").setPlainText("after the rename");
    Control<QPushButton>(d, "cmdOK").click();
    EXPECT_FALSE(exists("Disk.dat"));
    EXPECT_NE(text("Holiday 2004.dat").find(">Comment after the rename\r\n"), std::string::npos);

    // A typed ".dat" is the extension, as in the list's F2.
    auto& next = open("Holiday 2004.dat");
    Control<QLineEdit>(next, "txtName").setText("Trip.DAT");
    Control<QPushButton>(next, "cmdApply").click();
    EXPECT_TRUE(exists("Trip.DAT"));
    EXPECT_FALSE(exists("Trip.DAT.dat"));
    EXPECT_EQ(next.fileName(), "Trip.DAT");
    EXPECT_FALSE(Control<QPushButton>(next, "cmdApply").isEnabled());
    EXPECT_TRUE(world.fakes.prompter.boxes.empty());
}

TEST_F(CatalogPropertiesDialogTest, ATakenOrRefusedNameIsToldAndTheRootChangeStaysWithThisCatalog)
{
    catalog("Disk.dat");
    catalog("Other.dat", HeaderFields().Root("\\data"));
    const std::string other = text("Other.dat");
    auto& d = open("Disk.dat");
    Control<QLineEdit>(d, "txtName").setText("Other");
    world.fakes.folderChooser.answers = {QStringLiteral("/moved")};
    Control<QPushButton>(d, "cmdBrowse").click();
    Control<QPushButton>(d, "cmdApply").click();
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u);
    EXPECT_EQ(world.fakes.prompter.boxes[0].text, world.texts[TextId::NameExists]);
    EXPECT_EQ(text("Other.dat"), other);
    EXPECT_NE(text("Disk.dat").find(">Root Dir \\moved\r\n"), std::string::npos);
    EXPECT_TRUE(Control<QPushButton>(d, "cmdApply").isEnabled()); // the name is still to be given

    for (const char* refused : {"a>b", "x/y", ".."}) {
        Control<QLineEdit>(d, "txtName").setText(refused);
        Control<QPushButton>(d, "cmdApply").click();
        EXPECT_EQ(world.fakes.prompter.boxes.back().kind, "message");
    }
    EXPECT_EQ(world.fakes.prompter.boxes.size(), 4u);
    std::vector<std::string> files;
    for (const auto& e : std::filesystem::directory_iterator(world.lib()))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"Disk.dat", "Other.dat"}));
}

TEST_F(CatalogPropertiesDialogTest, ACatalogGoneBeforeApplyGivesOneMessageAndStaysChanged)
{
    catalog("Disk.dat");
    auto& d = open("Disk.dat");
    Control<QPlainTextEdit>(d, "txtComment").setPlainText("new");
    world.fakes.folderChooser.answers = {QStringLiteral("/moved")};
    Control<QPushButton>(d, "cmdBrowse").click();
    std::filesystem::remove(world.lib() + "Disk.dat");
    Control<QPushButton>(d, "cmdApply").click();
    ASSERT_EQ(world.fakes.prompter.boxes.size(), 1u); // the comment failed; the root was not tried
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("File not found"), std::string::npos);
    EXPECT_NE(world.fakes.prompter.boxes[0].text.find("\r\nin CorvaneDisk.modFile.ChangeCommentLib.\r\n"),
              std::string::npos);
    EXPECT_TRUE(Control<QPushButton>(d, "cmdApply").isEnabled());
    EXPECT_FALSE(exists("Disk.dat"));
}

TEST_F(CatalogPropertiesDialogTest, SizesAndThePieShowTheUsedShare)
{
    catalog("Forty.dat", HeaderFields().Free("600 MB").Total("1000 MB"));
    catalog("Most.dat", HeaderFields().Free("250 MB").Total("1000 MB"));

    open("Forty.dat");
    EXPECT_EQ(pieAt(72), Rgb(PieUsedColor)); // the used slice: 0 to 144 degrees
    EXPECT_EQ(pieAt(200), Rgb(PieFreeColor));
    EXPECT_EQ(pieAt(300), Rgb(PieFreeColor));
    for (int x : {40, 70, 94, 120, 150}) // the whole rim dark blue
        EXPECT_EQ(rimAt(x), Rgb(PieFreeRimColor)) << x;

    auto& d = open("Most.dat");
    EXPECT_EQ(Control<QLabel>(d, "lblDiskUsed").text(), "750 MB");
    EXPECT_EQ(Control<QLabel>(d, "lblDiskFree").text(), "250 MB");
    EXPECT_EQ(Control<QLabel>(d, "lblTotal").text(), "1000 MB");
    EXPECT_EQ(pieAt(135), Rgb(PieUsedColor));
    EXPECT_EQ(pieAt(260), Rgb(PieUsedColor));
    EXPECT_EQ(pieAt(300), Rgb(PieFreeColor));
    for (int x : {40, 70, 90}) // dark magenta from the left end down to the lowest point
        EXPECT_EQ(rimAt(x), Rgb(PieUsedRimColor)) << x;
    for (int x : {100, 120, 150}) // then dark blue
        EXPECT_EQ(rimAt(x), Rgb(PieFreeRimColor)) << x;
    const QColor background = d.palette().color(QPalette::Window);
    EXPECT_EQ(pixel(2, 2), Rgb(background));
}

TEST_F(CatalogPropertiesDialogTest, DriveTypesShowTheirWordAndAnyOtherShowsUnknown)
{
    for (auto [stored, shown] : {std::pair{"Fixed", "Fixed"},
                                 {"Cd-Rom", "Cd-Rom"},
                                 {"Remote", "Remote"},
                                 {"Removable", "Removable"},
                                 {"Ram Disk", "Unknown"},
                                 {"CD-ROM", "Unknown"}}) {
        catalog("Disk.dat", HeaderFields().Type(stored));
        EXPECT_EQ(Control<QLabel>(open("Disk.dat"), "lblTypeDisk").text(), shown) << stored;
    }
}

TEST_F(CatalogPropertiesDialogTest, F1ReleasedAnywhereOpensItsHelp)
{
    catalog("Disk.dat");
    auto& d = open("Disk.dat");
    EXPECT_EQ(Control<QPushButton>(d, "cmdOK").text(), world.texts.text(TextId::Confirm));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&Control<QPlainTextEdit>(d, "txtComment"), &press);
    EXPECT_TRUE(world.fakes.help.contexts.empty());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(&Control<QPlainTextEdit>(d, "txtComment"), &release);
    EXPECT_EQ(world.fakes.help.contexts, std::vector<int>{1017});
}

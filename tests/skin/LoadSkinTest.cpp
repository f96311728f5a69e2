#include "tests/skin/SkinTestSupport.h"

#include "engine/start/AppFolders.h"
#include "gui/widgets/ButtonWeb.h"
#include "gui/widgets/CheckBoxWeb.h"
#include "skin/art/BmpFile.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace {
constexpr Rgb Red = MakeRgb(255, 0, 0), Green = MakeRgb(0, 255, 0), Blue = MakeRgb(0, 0, 255);
constexpr Rgb Up = MakeRgb(10, 0, 0), In = MakeRgb(20, 0, 0), Down = MakeRgb(30, 0, 0);
constexpr Rgb CheckedIn = MakeRgb(0, 10, 0), CheckedOut = MakeRgb(0, 20, 0), UncheckedIn = MakeRgb(0, 30, 0),
              UncheckedOut = MakeRgb(0, 40, 0);

QRect screen()
{
    return QGuiApplication::primaryScreen()->geometry();
}

// Where a window of width twips is centred, in pixels.
int centredX(long long width)
{
    const long long left = std::llround(std::nearbyint((screen().width() * 15LL - width) / 2.0));
    return int(std::nearbyint(left / 15.0));
}

int centredY(long long height)
{
    const long long top = std::llround(std::nearbyint((screen().height() * 15LL - height) / 2.0));
    return int(std::nearbyint(top / 15.0));
}

Rgb picture(QWidget& w, const char* property)
{
    return TopLeft(w.property(property).value<QPixmap>());
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}
} // namespace

TEST_F(SkinTest, MainWindowIsCentredOrStoredAtStartUpAndKeepsItsPlaceLater)
{
    writeSkin("a.zip", "[MainSize]\r\nWidth=3000\r\nHeight = 1500\r\n");
    writeSkin("b.zip", "[mainsize]\r\nwidth=4500\r\nheight=3000\r\n");
    load("a.zip", true);
    EXPECT_EQ(main().geometry(), QRect(centredX(3000), centredY(1500), 200, 100));

    setPos("MainLeft", "120");
    setPos("MainTop", "300");
    load("a.zip", true);
    EXPECT_EQ(main().geometry(), QRect(8, 20, 200, 100));

    main().move(50, 60);
    load("b.zip", false);
    EXPECT_EQ(main().geometry(), QRect(50, 60, 300, 200));

    // A place that was on a screen no longer there comes back onto this one.
    setPos("MainLeft", "999999");
    setPos("MainTop", "-4500");
    load("b.zip", true);
    EXPECT_EQ(main().geometry(), QRect(screen().right() + 1 - 300, screen().top(), 300, 200));
    EXPECT_TRUE(takeMessages().empty());
}

// Places are stored as the window reports them, which may carry a fraction.
TEST_F(SkinTest, StoredPlacesWithAFractionAreUsedAndADecimalCommaIsNot)
{
    writeSkin("a.zip", "[MainSize]\r\nWidth=3000\r\nHeight=1500\r\n[FindSize]\r\nWidth=6000\r\nHeight=4500\r\n"
                       "[LibSize]\r\nWidth=6000\r\nHeight=6000\r\n");
    setPos("MainLeft", "1500.0");
    setPos("MainTop", " 1200.5 "); // halves go to the even twip
    setPos("FindLeft", "150.5");
    setPos("FindTop", "299.6");
    setPos("FindWidth", "4500.0");
    setPos("FindHeight", "3000.25");
    setPos("LibLeft", "150,5");
    setPos("LibTop", "750.0");
    setPos("LibWidth", "4500,0");
    load("a.zip", true);
    EXPECT_EQ(main().geometry(), QRect(100, 80, 200, 100));
    EXPECT_EQ(window("frmFind").geometry().topLeft(), QPoint(10, 20));
    EXPECT_EQ(window("frmFind").size(), QSize(300, 200));
    EXPECT_EQ(window("frmLib").geometry(), QRect(centredX(6000), 50, 400, 400));
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SkinTest, PlacementsMoveAndSizeControlsAndEveryBrokenEntryIsListedInOneMessage)
{
    writeSkin("a.zip", "[MainSize]\r\nWidth=\r\nHeight=99999999999\r\n"
                       "[MainPos]\r\n"
                       "lblTitle=330,30\r\n"
                       "BWSearch=405,270,2580,2700\r\n"
                       "CBOFIND=3015,285,2325\r\n"
                       "lblSort=150,150,,450\r\n"
                       "lblFind = 30,45 : beside the button\r\n"
                       "lblNone=1,1\r\n"
                       "BWStop=abc,1\r\n"
                       "cboFilter=15,15,-30\r\n");
    load("a.zip", true);
    EXPECT_EQ(control(main(), "lblTitle").geometry(), QRect(22, 2, 30, 20));
    EXPECT_EQ(control(main(), "BWSearch").geometry(), QRect(27, 18, 172, 180));
    EXPECT_EQ(control(main(), "cboFind").geometry(), QRect(201, 19, 155, 20));
    EXPECT_EQ(control(main(), "lblSort").geometry(), QRect(1, 2, 30, 20));
    EXPECT_EQ(control(main(), "lblFind").geometry(), QRect(2, 3, 30, 20));
    EXPECT_EQ(control(main(), "BWStop").geometry(), QRect(1, 2, 30, 20));
    EXPECT_EQ(main().size(), QSize(361, 203)); // both sizes broken: the defaults

    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    const std::string& m = messages[0];
    EXPECT_TRUE(contains(m, "[MainSize] Width=: not a size"));
    EXPECT_TRUE(contains(m, "[MainSize] Height=99999999999: not a size"));
    EXPECT_TRUE(contains(m, "lblNone=1,1: no such control"));
    EXPECT_TRUE(contains(m, "BWStop=abc,1: not a position"));
    EXPECT_TRUE(contains(m, "cboFilter=15,15,-30: not a position"));
    EXPECT_FALSE(contains(m, "lblSort"));
}

TEST_F(SkinTest, PictureListsFillTemplatesWhichTheWindowsCopyAndBadEntriesChangeNothing)
{
    writeSkin("a.zip",
              "[Object]\r\n"
              "picFond=one\r\n"
              "picFondSave=TWO,extra\r\n"
              "picBouton=up,in,down\r\n"
              "picCheck=ci,co,ui,uo\r\n"
              "picExit=up,in,,down\r\n"
              "picFondEdit=up,in,down\r\n"
              "picMin=up,gone,down\r\n"
              "imgicon=one\r\n"
              "lblTitle=one\r\n",
              {{"one", Red},
               {"two", Green},
               {"up", Up},
               {"in", In},
               {"down", Down},
               {"ci", CheckedIn},
               {"co", CheckedOut},
               {"ui", UncheckedIn},
               {"uo", UncheckedOut}});
    load("a.zip", true);

    EXPECT_EQ(TopLeft(skin.picture("picFond")), Red);
    EXPECT_EQ(picture(main(), "Picture"), Red);
    EXPECT_EQ(picture(control(main(), "imgIcon"), "Picture"), Red);
    EXPECT_EQ(picture(window("frmSaveIDX"), "Picture"), Green);
    for (const char* button : {"BWSearch", "BWStop", "BWFind"}) {
        QWidget& b = control(main(), button);
        EXPECT_EQ(picture(b, "PictureOut"), Up) << button;
        EXPECT_EQ(picture(b, "PictureIn"), In) << button;
        EXPECT_EQ(picture(b, "PictureDown"), Down) << button;
    }
    EXPECT_EQ(picture(control(window("frmSaveIDX"), "BWSave"), "PictureIn"), In);
    EXPECT_EQ(picture(control(window("frmEditComment"), "BWOK"), "PictureDown"), Down);
    for (const char* box : {"CBWRecursive", "CBWIgnoreMaxHit"}) {
        QWidget& b = control(main(), box);
        EXPECT_EQ(picture(b, "CheckedIn"), CheckedIn) << box;
        EXPECT_EQ(picture(b, "CheckedOut"), CheckedOut) << box;
        EXPECT_EQ(picture(b, "UnCheckedIn"), UncheckedIn) << box;
        EXPECT_EQ(picture(b, "UnCheckedOut"), UncheckedOut) << box;
    }
    EXPECT_EQ(picture(control(window("frmLib"), "CBWView"), "UnCheckedOut"), UncheckedOut);
    // A fourth name without a third sets nothing; a bad entry sets none of its pictures.
    EXPECT_TRUE(skin.picture("picExit", "PictureOut").isNull());
    EXPECT_TRUE(skin.picture("picMin", "PictureOut").isNull());
    EXPECT_TRUE(skin.picture("picFondEdit").isNull());

    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0], "picFondEdit=up,in,down: not pictures this control has"));
    EXPECT_TRUE(contains(messages[0], "picMin=up,gone,down: gone.bmp: missing"));
    EXPECT_TRUE(contains(messages[0], "lblTitle=one: not pictures this control has"));
    EXPECT_FALSE(contains(messages[0], "picExit"));

    // A package that leaves a template out keeps its pictures, and spreads them again.
    writeSkin("b.zip", "[Object]\r\npicBouton=one,one,one\r\n", {{"one", Blue}});
    load("b.zip", false);
    EXPECT_EQ(picture(main(), "Picture"), Red);
    EXPECT_EQ(picture(control(main(), "BWSearch"), "PictureOut"), Blue);
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SkinTest, TheCurrentLayersTabShowsSelected)
{
    writeSkin("a.zip",
              "[Object]\r\npicCatSelect=cs\r\npicCatUnSelect=cu\r\npicFindSelect=fs\r\n"
              "picFindUnSelect=fu\r\npicLibSelect=ls\r\npicLibUnSelect=lu\r\n",
              {{"cs", MakeRgb(1, 1, 1)},
               {"cu", MakeRgb(2, 2, 2)},
               {"fs", MakeRgb(3, 3, 3)},
               {"fu", MakeRgb(4, 4, 4)},
               {"ls", MakeRgb(5, 5, 5)},
               {"lu", MakeRgb(6, 6, 6)}});
    struct Case {
        const char* layer;
        int cat, find, lib; // the grey of the picture each tab shows
    };
    const Case cases[] = {{"CAT", 1, 4, 6}, {"FIND", 2, 3, 6}, {"LIB", 2, 4, 5}, {"cat", 2, 4, 5}};
    auto grey = [](int n) { return MakeRgb(n, n, n); };
    for (const Case& c : cases) {
        context.CurrentLayer = c.layer;
        load("a.zip", false);
        for (const char* state : {"PictureOut", "PictureIn", "PictureDown"}) {
            EXPECT_EQ(picture(control(main(), "BWLayerCat"), state), grey(c.cat)) << c.layer;
            EXPECT_EQ(picture(control(main(), "BWLayerFind"), state), grey(c.find)) << c.layer;
            EXPECT_EQ(picture(control(main(), "BWLayerLib"), state), grey(c.lib)) << c.layer;
        }
    }
}

TEST_F(SkinTest, CheckBoxesStartFromTheSettingsAndKeepTheirStateLater)
{
    setOption("Recursive", "True");
    setOption("Zip Content", "true");
    setOption("Enable Comment", "True");
    setOption("Sort Result", "False");
    setOption("Ignore MaxHit", "True");
    setOption("View", "True");
    writeSkin("a.zip", "");
    bool ignoreMaxHit = false;
    context.SetIgnoreMaxHit = [&](bool on) { ignoreMaxHit = on; };
    control(main(), "CBWEjectCD").setProperty("Value", true);

    load("a.zip", true);
    auto ticked = [&](QWidget& w, const char* box) { return control(w, box).property("Value").toBool(); };
    EXPECT_TRUE(ticked(main(), "CBWRecursive"));
    EXPECT_FALSE(ticked(main(), "CBWSearchZipContent"));
    EXPECT_TRUE(ticked(main(), "CBWEnableComment"));
    EXPECT_FALSE(ticked(main(), "CBWEjectCD"));
    EXPECT_FALSE(ticked(main(), "CBWSort"));
    EXPECT_TRUE(ticked(main(), "CBWIgnoreMaxHit"));
    EXPECT_TRUE(ticked(window("frmLib"), "CBWView"));
    EXPECT_TRUE(ignoreMaxHit);

    control(main(), "CBWIgnoreMaxHit").setProperty("Value", false);
    control(main(), "CBWSort").setProperty("Value", true);
    load("a.zip", false);
    EXPECT_FALSE(ticked(main(), "CBWIgnoreMaxHit"));
    EXPECT_TRUE(ticked(main(), "CBWSort"));
    EXPECT_FALSE(ignoreMaxHit);
    EXPECT_TRUE(ticked(window("frmLib"), "CBWView")); // the browser comes back with its setting
}

TEST_F(SkinTest, StartUpStatesCanComeFromTheMainWindow)
{
    writeSkin("a.zip", "");
    context.StartupFlag = [](SettingId setting) { return setting == SettingId::SortResult; };
    setOption("Recursive", "True");
    load("a.zip", true);
    EXPECT_TRUE(control(main(), "CBWSort").property("Value").toBool());
    EXPECT_FALSE(control(main(), "CBWRecursive").property("Value").toBool());
}

TEST_F(SkinTest, TheMaskShapesTheMainWindowAndASkinWithoutOneClearsIt)
{
    PixelCanvas mask(361, 203, MakeRgb(0, 0, 0));
    mask.fill(0, 0, 10, 203, MakeRgb(255, 255, 255));
    writePackage("masked.zip", {{"mainmask.bmp", EncodeBmp(mask, 1)}});
    writePackage("plain.zip", {{"CorvaneDisk.ini", ""}});
    writePackage("small.zip", {{"MAINMASK.BMP", SolidBmp(100, 50, 0, 1)}});

    load("masked.zip", true);
    EXPECT_FALSE(main().mask().contains(QPoint(5, 100)));
    EXPECT_TRUE(main().mask().contains(QPoint(200, 100)));
    load("plain.zip", false);
    EXPECT_TRUE(main().mask().isEmpty());

    load("masked.zip", false);
    load("small.zip", false);
    EXPECT_TRUE(main().mask().isEmpty());
    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0], "mainmask.bmp: smaller than the main window"));
}

TEST_F(SkinTest, FramedWindowsComeBackFreshAtTheirStoredPlaceOrCentred)
{
    writeSkin("a.zip",
              "[FindSize]\r\nWidth=6000\r\nHeight=4500\r\nColor=1,2,3\r\n"
              "[LibSize]\r\nHeight=6000\r\nColor=300,0,0\r\n"
              "[ViewSize]\r\nWidth=3000\r\nHeight=3000\r\n"
              "[libPos]\r\nTVPath=150,300,1500,3000\r\n"
              "[EditSize]\r\nColor=9,8,7\r\n"
              "[Object]\r\npicH=top\r\npicD=right\r\npicFondEdit=top\r\n",
              {{"top", Red}, {"right", Green}});
    setPos("FindWidth", "0");
    setPos("LibWidth", "7000");
    setPos("LibHeight", "junk");
    setPos("LibLeft", "150");
    setPos("ViewWidth", "-15");
    setPos("ViewTop", "45");
    QPointer<QWidget> oldFind = &window("frmFind");

    load("a.zip", false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(oldFind.isNull());
    EXPECT_EQ(window("frmFind").geometry(), QRect(centredX(6000), centredY(4500), 400, 300));
    EXPECT_EQ(window("frmLib").geometry(), QRect(10, centredY(6000), 467, 400));
    EXPECT_EQ(window("frmViewImg").geometry(), QRect(centredX(3000), 3, 200, 200));
    EXPECT_EQ(window("frmSaveIDX").geometry(), QRect(centredX(4020), centredY(4260), 268, 284));
    EXPECT_EQ(control(window("frmLib"), "TVPath").geometry(), QRect(10, 20, 100, 200));

    EXPECT_EQ(window("frmFind").palette().color(QPalette::Window), QColor(1, 2, 3));
    EXPECT_EQ(window("frmLib").palette().color(QPalette::Window), QColor(66, 66, 66));
    EXPECT_EQ(window("frmEditComment").palette().color(QPalette::Window), QColor(9, 8, 7));
    EXPECT_EQ(picture(window("frmEditComment"), "Picture"), Red);
    for (const char* w : {"frmFind", "frmLib", "frmViewImg"}) {
        EXPECT_EQ(picture(control(window(w), "picH"), "Picture"), Red) << w;
        EXPECT_EQ(picture(control(window(w), "picD"), "Picture"), Green) << w;
    }
    EXPECT_EQ(picture(control(window("frmLib"), "picSplit"), "Picture"), Green);

    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0], "[LibSize] Color=300,0,0: not a colour"));
    EXPECT_EQ(StoredWindowPlace(skin, "frmLib").width, 7000);
    EXPECT_EQ(StoredWindowPlace(skin, "frmFind").width, 6000);
}

TEST_F(SkinTest, WindowsNotBuiltYetAreLeftOutWithoutAWord)
{
    WindowRegistry onlyFind;
    onlyFind.define("frmFind", [] { return new QWidget; });
    writeSkin("a.zip",
              "[MainPos]\r\nBWSearch=1,1\r\n[SavePos]\r\ntxtName=1,1\r\n[Object]\r\npicFond=one\r\nimgicon=one\r\n",
              {{"one", Red}});
    LoadSkin(prompter, skin, onlyFind, context, Folders().SkinPath, "a.zip", true);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(TopLeft(skin.picture("picFond")), Red);
    EXPECT_EQ(onlyFind.loaded("frmFind"), nullptr); // made at its first use, skinned then
}

TEST_F(SkinTest, NoNameChangesNothingAndAnUnreadablePackageOnlyGivesDefaultsAtStartUp)
{
    main().setGeometry(5, 6, 70, 80);
    load("", false);
    EXPECT_EQ(main().geometry(), QRect(5, 6, 70, 80));
    EXPECT_EQ(windows.loaded("frmFind"), nullptr);

    load("missing.zip", false);
    EXPECT_EQ(main().geometry(), QRect(5, 6, 70, 80));
    EXPECT_EQ(windows.loaded("frmFind"), nullptr);
    EXPECT_EQ(takeMessages().size(), 1u);

    setOption("Recursive", "True");
    load("missing.zip", true);
    EXPECT_EQ(skin.name(), ""); // nothing applied yet
    EXPECT_EQ(main().size(), QSize(361, 203));
    EXPECT_TRUE(control(main(), "CBWRecursive").property("Value").toBool());
    EXPECT_EQ(windows.loaded("frmFind"), nullptr);
    const std::vector<std::string> messages = takeMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(contains(messages[0], "missing.zip"));

    writeSkin("a.zip", "");
    load("a.zip", false);
    load("missing.zip", false);
    EXPECT_EQ(skin.name(), "a.zip");
    takeMessages();

    // No package at all at start-up: the stored boxes and the defaults, quietly.
    setOption("Sort Result", "True");
    load("", true);
    EXPECT_EQ(main().size(), QSize(361, 203));
    EXPECT_TRUE(control(main(), "CBWSort").property("Value").toBool());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(SkinTest, TopDownBitmapsAreUsedTheRightWayUp)
{
    // Rows stored from the top: the height is negative and the rows come in reverse order.
    PixelCanvas canvas(16, 10, Blue);
    canvas.hline(0, 0, 16, Red);
    std::string bmp = EncodeBmp(canvas, 24);
    const std::size_t offset = std::uint8_t(bmp[10]) | std::uint8_t(bmp[11]) << 8;
    const std::size_t row = 16 * 3;
    std::string rows;
    for (int y = 9; y >= 0; --y)
        rows += bmp.substr(offset + std::size_t(y) * row, row);
    bmp.replace(offset, rows.size(), rows);
    bmp.replace(22, 4, std::string("\xF6\xFF\xFF\xFF", 4)); // -10
    writePackage("down.zip", {{"CorvaneDisk.ini", "[Object]\r\npicFond=down\r\n"}, {"down.bmp", bmp}});
    load("down.zip", false);
    EXPECT_TRUE(takeMessages().empty());
    const QImage picture = main().property("Picture").value<QPixmap>().toImage();
    ASSERT_EQ(picture.size(), QSize(16, 10));
    EXPECT_EQ(picture.pixel(0, 0) & 0xFFFFFF, Red);
    EXPECT_EQ(picture.pixel(0, 9) & 0xFFFFFF, Blue);
}

#include "gui/menu/PopupMenu.h"
#include "tests/support/NamedControl.h"
#include "tests/support/TestWorld.h"
#include "viewer/FileViewer.h"
#include "viewer/LineView.h"
#include "viewer/ViewedFile.h"
#include "viewer/ViewerText.h"

#include <QApplication>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

namespace {

using State = FileViewer::State;

// The hex-dump library called directly, as the program's own loader would not.
std::string LibraryDump(const std::string& bytes)
{
    using Entry = std::int32_t (*)(const unsigned char*, char**);
    static void* handle = dlopen(QUEXEL_LIBRARY, RTLD_NOW);
    auto entry = reinterpret_cast<Entry>(dlsym(handle, "FileToQuexel"));
    const auto n = std::uint32_t(bytes.size());
    std::vector<unsigned char> counted(sizeof n + n + 1);
    std::memcpy(counted.data(), &n, sizeof n);
    std::memcpy(counted.data() + sizeof n, bytes.data(), n);
    std::string out((std::size_t(n) + 15) / 16 * 80, '\0');
    char* p = out.data();
    EXPECT_EQ(entry(counted.data() + sizeof n, &p), 0);
    return out;
}

// A text box shows line breaks as such: CR LF reads back as LF.
// The library's dump as the hex view shows it: its mark for an unprintable
// byte (character 1) as ".".
QString Shown(const std::string& dump)
{
    return QString::fromLatin1(dump.data(), qsizetype(dump.size()))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QChar(1), QLatin1Char('.'));
}

std::string Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format));
    return bytes.toStdString();
}

QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, 128));
    return image;
}

// A BMP header naming a picture of w x h pixels, 24 bits, with no pixels after it.
std::string BmpHeader(std::int32_t w, std::int32_t h)
{
    std::string s(54, '\0');
    auto put = [&s](std::size_t at, std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            s[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
    };
    s[0] = 'B';
    s[1] = 'M';
    const std::uint64_t data = std::uint64_t(w) * 3 * std::uint64_t(h);
    put(2, std::uint32_t(54 + data), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, std::uint32_t(w), 4);
    put(22, std::uint32_t(h), 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, std::uint32_t(data), 4);
    return s;
}

struct FileViewerTest : ::testing::Test {
    TestWorld world;
    FileViewer* viewer = nullptr;

    FileViewerTest()
    {
        world.windows.define(FileViewer::WindowName, [this] { return new FileViewer(world.app); });
        viewer = &world.windows.get<FileViewer>();
        viewer->resize(400, 300);
        viewer->show();
    }
    std::string file(const std::string& name, const std::string& bytes)
    {
        return world.home.write("disk/" + name, bytes);
    }
    std::string picture() { return file("photo.png", Encoded(Gradient(900, 700), "PNG")); }
    std::string text() { return file("notes.txt", "caf\xC3\xA9 au lait\nsecond line\n"); }

    // The viewer's controls, by the names skins and language files know them by.
    LineView& textBox() { return Control<LineView>(*viewer, "rtf"); }
    QScrollArea& pictureArea() { return Control<QScrollArea>(*viewer, "picScroll"); }

    void key(QWidget* target, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QKeyEvent press(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(target, &press);
    }
    void ctrlH(QWidget* target = nullptr) { key(target ? target : viewer, Qt::Key_H, Qt::ControlModifier); }

    // A right click in the text box; then, when its menu shows, the item
    // with key is chosen (or the menu closed). Whether a menu showed.
    bool rightClickAndChoose(const QString& key)
    {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<PopupMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            shown = true;
            EXPECT_EQ(menu, &Control<PopupMenu>(*viewer, "m_cMenu"));
            if (QAction* item = menu->item(menu->indexOfKey(key))) {
                menu->setActiveAction(item);
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(menu, &enter);
            } else {
                menu->close();
            }
        });
        QWidget* surface = textBox().isVisible() ? textBox().viewport() : pictureArea().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(20, 20), surface->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(surface, &click);
        QApplication::processEvents();
        return shown;
    }

    // The rows of the state table: what shows and the two flags.
    void expectState(State state, bool imageShown, bool hexaView)
    {
        EXPECT_EQ(viewer->state(), state);
        EXPECT_EQ(textBox().isVisibleTo(viewer), state != State::Picture);
        EXPECT_EQ(pictureArea().isVisibleTo(viewer), state == State::Picture);
        EXPECT_EQ(viewer->imageShown(), imageShown);
        EXPECT_EQ(viewer->hexaView(), hexaView);
    }
};

} // namespace

TEST_F(FileViewerTest, EachFileTakesItsOwnViewAndCtrlHTurnsTheDumpOnAndOff)
{
    const std::string photo = picture();
    viewer->viewFile(photo);
    expectState(State::Picture, true, false);
    EXPECT_EQ(Control<QLabel>(*viewer, "img").pixmap().size(), QSize(900, 700));
    // The picture is larger than the window: it scrolls, with Qt's steps.
    EXPECT_TRUE(pictureArea().horizontalScrollBar()->maximum() > 0);
    EXPECT_TRUE(pictureArea().verticalScrollBar()->maximum() > 0);

    ctrlH();
    expectState(State::Hex, true, true);
    EXPECT_EQ(textBox().toPlainText(), Shown(LibraryDump(ReadFileBytes(photo))));
    ctrlH();
    expectState(State::Picture, true, false); // the picture again, not its bytes

    const std::string notes = text();
    viewer->viewFile(notes);
    expectState(State::Text, false, false);
    EXPECT_EQ(textBox().toPlainText(), QString::fromUtf8("café au lait\nsecond line\n"));
    EXPECT_TRUE(textBox().isReadOnly());
    key(&textBox(), Qt::Key_H, Qt::ControlModifier | Qt::ShiftModifier); // from the text box, Shift held
    expectState(State::Hex, false, true);
    key(&textBox(), Qt::Key_H);
    expectState(State::Hex, false, true); // H alone does nothing
    ctrlH();
    expectState(State::Text, false, false);
    EXPECT_EQ(viewer->viewFilePath(), notes);
}

TEST_F(FileViewerTest, TheMenuSwitchesOnlyBetweenTextAndDumpAndExitHides)
{
    const std::string photo = picture();
    viewer->viewFile(photo);
    EXPECT_FALSE(rightClickAndChoose("HEXA")); // no popup over a picture
    expectState(State::Picture, true, false);

    viewer->showAsciiView(); // outside the dump: nothing
    expectState(State::Picture, true, false);
    ctrlH();
    ASSERT_TRUE(rightClickAndChoose("HEXA")); // inside it: nothing
    expectState(State::Hex, true, true);
    ASSERT_TRUE(rightClickAndChoose("ASCII"));
    // The picture's bytes as text, not the picture.
    expectState(State::Text, true, false);
    EXPECT_TRUE(textBox().toPlainText().startsWith(QString::fromUtf8("‰PNG")));
    ASSERT_TRUE(rightClickAndChoose("HEXA"));
    expectState(State::Hex, true, true);

    ASSERT_TRUE(rightClickAndChoose("EXIT"));
    EXPECT_FALSE(viewer->isVisible());
    expectState(State::Hex, true, true); // hidden with its state
}

TEST_F(FileViewerTest, AMissingFileKeepsThePathBeforeAndCommandsActOnIt)
{
    // Nothing shown yet: the commands have no file to act on.
    ctrlH();
    viewer->showHexView();
    expectState(State::Empty, false, false);

    const std::string notes = text();
    viewer->viewFile(notes);
    ctrlH();
    viewer->viewFile(world.home.file("disk/gone.txt"));
    expectState(State::Missing, false, true);
    EXPECT_EQ(textBox().toPlainText(), FileViewer::MissingText);
    EXPECT_EQ(viewer->viewFilePath(), notes);
    ctrlH(); // acts on the file shown before
    expectState(State::Text, false, false);

    // Deleted while shown: the view stays, the commands change nothing.
    std::filesystem::remove(notes);
    ctrlH();
    viewer->showHexView();
    expectState(State::Text, false, false);
    EXPECT_EQ(textBox().toPlainText(), QString::fromUtf8("café au lait\nsecond line\n"));
}

TEST_F(FileViewerTest, TheDumpIsTheLibrarysFromEmptyToSeventeenBytes)
{
    viewer->viewFile(file("empty.bin", ""));
    expectState(State::Text, false, false);
    viewer->showHexView();
    expectState(State::Hex, false, true);
    EXPECT_EQ(textBox().toPlainText(), "");

    const std::string seventeen("0123456789ABCDEF\xFF", 17);
    viewer->viewFile(file("seventeen.bin", seventeen));
    ctrlH();
    const std::string dump = LibraryDump(seventeen);
    EXPECT_EQ(dump.size(), 160u);
    EXPECT_EQ(textBox().toPlainText(), Shown(dump));
    EXPECT_TRUE(textBox().toPlainText().startsWith("00000000: 30 31"));
    EXPECT_NE(dump.find('\x01'), std::string::npos);
    EXPECT_FALSE(textBox().toPlainText().contains(QChar(1)));
    // 0xFF: the library marks it unprintable; the view shows a dot.
    const QStringList lines = textBox().toPlainText().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith("00000010: FF")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].trimmed().endsWith("| .")) << lines[1].toStdString();
}

TEST_F(FileViewerTest, TextIsUtf8OrWindows1252AndShowsItsNuls)
{
    viewer->viewFile(file("legacy.txt", std::string("d\xE9j\xE0 vu\0after", 13)));
    EXPECT_EQ(textBox().toPlainText(), QString::fromUtf8("déjà vu\u2400after"));
    viewer->viewFile(file("utf8.txt", "\xE2\x82\xAC 5"));
    EXPECT_EQ(textBox().toPlainText(), QString::fromUtf8("€ 5"));
    // A first part that splits a character still reads as UTF-8.
    EXPECT_EQ(TextForView("ab\xE2\x82", true), "ab");
    EXPECT_EQ(TextForView("ab\xE2\x82", false), QString::fromUtf8("abâ\u201A"));
}

TEST_F(FileViewerTest, LargeAndStrangeFilesGiveAClearStateWithoutWaiting)
{
    LoadLanguage(world.fakes.prompter, world.texts, world.app.folders.LangPath, "CorD_eng.lng");
    // 10 GB, mostly a hole: the text and the dump show the first 4 MiB and say so.
    const std::string huge = world.home.file("disk/huge.bin");
    file("huge.bin", "start");
    ASSERT_EQ(::truncate(huge.c_str(), 10'000'000'000LL), 0);
    viewer->viewFile(huge);
    expectState(State::Text, false, false);
    EXPECT_TRUE(
        textBox().toPlainText().startsWith("Only the first 4.00 MiB of the file's 9.31 GiB are shown.\n\nstart"));
    ctrlH();
    const QString dump = textBox().toPlainText();
    EXPECT_TRUE(dump.startsWith("Only the first 4.00 MiB"));
    EXPECT_EQ(dump.count('\n'), 2 + int(ViewerByteLimit / 16));

    // Files that are no regular file to read: the message, never a wait.
    const std::string fifo = world.home.file("disk/pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path :
         {fifo, std::string("/dev/zero"), world.home.file("disk"), std::string("relative/a.txt")}) {
        viewer->viewFile(path);
        EXPECT_EQ(viewer->state(), State::Missing) << path;
    }

    // Pictures that do not decode, or would not fit in memory: the message.
    viewer->viewFile(file("wide.bmp", BmpHeader(30000, 30000)));
    EXPECT_EQ(viewer->state(), State::Missing);
    std::string png = Encoded(Gradient(64, 64), "PNG");
    viewer->viewFile(file("broken.png", png.substr(0, 40)));
    EXPECT_EQ(viewer->state(), State::Missing);
    EXPECT_EQ(textBox().toPlainText(), FileViewer::MissingText);
    ctrlH(); // its bytes can still be dumped
    EXPECT_EQ(viewer->state(), State::Hex);
    // A JPEG cut short still shows what it holds.
    std::string jpeg = Encoded(Gradient(256, 256), "JPG");
    viewer->viewFile(file("cut.jpg", jpeg.substr(0, jpeg.size() / 2)));
    EXPECT_NE(viewer->state(), State::Text);
}

TEST_F(FileViewerTest, F1OpensTheViewersHelp)
{
    key(viewer, Qt::Key_F1);
    EXPECT_EQ(world.fakes.help.contexts, std::vector<int>{1008});
}

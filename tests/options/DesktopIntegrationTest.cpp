// The folder verb's action files and the desktop launcher: their bytes, and
// that the command lines they hold start the program with the right arguments
// whatever characters the paths hold.
#include "engine/catalog/CatalogPath.h"
#include "options/DesktopLauncher.h"
#include "options/FolderVerb.h"
#include "platform/prompter/ErrorBox.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <glib.h>

#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
// Quotes, "$", "%" (even a field code), "-", a backtick, backslashes (before
// a "$" too), blanks.
const std::string kAwkward = "we're \"odd\" $HOME 100%f -x `q` two\\\\back\\$lashes";

unsigned modeOf(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? unsigned(st.st_mode & 07777) : 0u;
}

// What a launcher makes of an Exec key: GLib reads the key (undoing the file's
// escapes), the field code becomes the folder shell-quoted, "%%" a "%", and
// GLib's parser splits the line into arguments.
QStringList execArguments(const std::string& file, const char* group, const std::string& folder)
{
    GKeyFile* keys = g_key_file_new();
    QStringList args;
    if (g_key_file_load_from_file(keys, file.c_str(), G_KEY_FILE_NONE, nullptr)) {
        gchar* exec = g_key_file_get_string(keys, group, "Exec", nullptr);
        std::string line;
        for (const char* p = exec; p && *p; ++p) {
            if (*p != '%') {
                line += *p;
            } else if (*++p == '%') {
                line += '%';
            } else if (*p == 'f' || *p == 'F') {
                gchar* quoted = g_shell_quote(folder.c_str());
                line += quoted;
                g_free(quoted);
            }
        }
        gchar** argv = nullptr;
        if (g_shell_parse_argv(line.c_str(), nullptr, &argv, nullptr))
            for (gchar** a = argv; *a; ++a)
                args << QString::fromUtf8(*a);
        g_strfreev(argv);
        g_free(exec);
    }
    g_key_file_free(keys);
    return args;
}

class DesktopIntegrationTest : public ::testing::Test {
protected:
    DesktopPlaces places() const { return {dir.file("data"), dir.file("Desktop")}; }

    // A stand-in for the program that notes each run's arguments, one line
    // per run, each argument in brackets.
    std::string fakeProgram()
    {
        fs::create_directories(dir.file(kAwkward));
        std::string path =
            dir.write(kAwkward + "/CorvaneDisk", "#!/bin/sh\n"
                                                 "for a in \"$@\"; do printf '[%s]' \"$a\"; done >>\"$CORVANE_ARGS\"\n"
                                                 "echo >>\"$CORVANE_ARGS\"\n");
        chmod(path.c_str(), 0755);
        return path;
    }
    std::string folderToCatalog()
    {
        std::string path = dir.file("Holiday - 2004 $x 'q' \"dq\" 50%");
        fs::create_directories(path);
        dir.write("Holiday - 2004 $x 'q' \"dq\" 50%/beach.txt", "sand");
        return path;
    }

    // Runs argv in folder with extra environment; its standard error output.
    std::string run(const QStringList& argv, const std::string& folder,
                    const std::vector<std::pair<QString, std::string>>& extra)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : extra)
            env.insert(name, QString::fromStdString(value));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QString::fromStdString(folder));
        p.start(argv.value(0), argv.mid(1));
        EXPECT_TRUE(p.waitForFinished(30000));
        std::string err = p.readAllStandardError().toStdString();
        EXPECT_EQ(p.exitCode(), 0) << err;
        return err;
    }
    // Runs argv with the fake's record file; the runs' lines.
    std::string runRecorded(const QStringList& argv, const std::string& folder = "/")
    {
        run(argv, folder, {{"CORVANE_ARGS", dir.file("args")}});
        std::string lines = dir.read("args");
        fs::remove(dir.file("args"));
        return lines;
    }

    // The icon the files name, in the icon theme below the data folder: a
    // disc at each size, its middle opaque and its corners clear.
    void expectProgramIcon()
    {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const std::string n = std::to_string(size);
            const QImage icon(
                QString::fromStdString(dir.file("data/icons/hicolor/" + n + "x" + n + "/apps/corvanedisk.png")));
            ASSERT_EQ(icon.size(), QSize(size, size)) << size;
            EXPECT_EQ(qAlpha(icon.pixel(size / 4, size / 4)), 255) << size;
            EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        }
    }

    TempDir dir;
};
} // namespace

TEST_F(DesktopIntegrationTest, FolderVerbFilesAreWrittenInFullEveryTime)
{
    const std::string program = "/opt/corvane disk/CorvaneDisk";
    std::vector<std::string> files = WriteFolderVerb(program, places());
    const std::string data = dir.file("data");
    ASSERT_EQ(files, (std::vector<std::string>{data + "/kio/servicemenus/corvanedisk-catalog.desktop",
                                               data + "/nautilus/scripts/Catalog with CorvaneDisk",
                                               data + "/nemo/actions/corvanedisk-catalog.nemo_action"}));
    const std::vector<std::string> expected = {"[Desktop Entry]\n"
                                               "Type=Service\n"
                                               "MimeType=inode/directory;\n"
                                               "Actions=catalog;\n"
                                               "X-KDE-Priority=TopLevel\n"
                                               "\n"
                                               "[Desktop Action catalog]\n"
                                               "Name=Catalog with CorvaneDisk\n"
                                               "Icon=corvanedisk\n"
                                               "Exec=\"/opt/corvane disk/CorvaneDisk\" -d:%f\n",

                                               "#!/bin/sh\n"
                                               "# Catalog with CorvaneDisk: one catalog for each chosen folder.\n"
                                               "program='/opt/corvane disk/CorvaneDisk'\n"
                                               "for folder in \"$@\"; do\n"
                                               "    case $folder in\n"
                                               "        /*) ;;\n"
                                               "        *) folder=$PWD/$folder ;;\n"
                                               "    esac\n"
                                               "    if [ -d \"$folder\" ]; then\n"
                                               "        \"$program\" \"-d:$folder\"\n"
                                               "    fi\n"
                                               "done\n",

                                               "[Nemo Action]\n"
                                               "Name=Catalog with CorvaneDisk\n"
                                               "Icon-Name=corvanedisk\n"
                                               "Exec='/opt/corvane disk/CorvaneDisk' -d:%F\n"
                                               "Selection=s\n"
                                               "Extensions=dir;\n"};
    const std::vector<unsigned> modes = {0755, 0755, 0644};
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(ReadFileBytes(files[i]), expected[i]) << files[i];
        EXPECT_EQ(modeOf(files[i]), modes[i]) << files[i];
        // Spoil each file; the next click restores it.
        dir.write(files[i].substr(dir.path().size() + 1), "spoilt");
        chmod(files[i].c_str(), 0600);
    }
    WriteFolderVerb(program, places());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(ReadFileBytes(files[i]), expected[i]) << files[i];
        EXPECT_EQ(modeOf(files[i]), modes[i]) << files[i];
    }
    // No opener for folders, no change of default applications.
    EXPECT_FALSE(fs::exists(data + "/applications"));
    // Beside them only the icon their menu entries show.
    EXPECT_EQ(std::distance(fs::recursive_directory_iterator(data), {}), 9 + 2 + 6 * 3);
    expectProgramIcon();
}

TEST_F(DesktopIntegrationTest, EveryFolderVerbRunsTheProgramWithTheFolder)
{
    std::string program = fakeProgram();
    std::string folder = folderToCatalog();
    std::vector<std::string> files = WriteFolderVerb(program, places());
    const std::string expected = "[-d:" + folder + "]\n";

    QStringList kde = execArguments(files[0], "Desktop Action catalog", folder);
    ASSERT_EQ(kde.value(0).toStdString(), program);
    EXPECT_EQ(runRecorded(kde), expected);

    QStringList nemo = execArguments(files[2], "Nemo Action", folder);
    ASSERT_EQ(nemo.value(0).toStdString(), program);
    EXPECT_EQ(runRecorded(nemo), expected);

    // GNOME Files hands over names relative to the folder it shows; files
    // are passed over.
    dir.write("plain file", "x");
    std::string script = files[1];
    EXPECT_EQ(runRecorded({QString::fromStdString(script), QString::fromStdString(fs::path(folder).filename().string()),
                           "plain file", QString::fromStdString(folder)},
                          dir.path()),
              expected + expected);
}

TEST_F(DesktopIntegrationTest, TheFolderVerbStartsARealBatchCatalog)
{
    // The real program, reached through a path full of awkward characters.
    fs::create_directories(dir.file(kAwkward));
    std::string program = dir.file(kAwkward + "/CorvaneDisk");
    fs::create_symlink(std::string(CORVANE_BINARY_DIR) + "/CorvaneDisk", program);
    std::string folder = dir.file("Holiday - photos 2004");
    dir.write("Holiday - photos 2004/beach.txt", "sand");
    std::vector<std::string> files = WriteFolderVerb(program, places());

    std::string err = run(execArguments(files[0], "Desktop Action catalog", folder), "/",
                          {{"CORVANEDISK_CONSOLE", "1"},
                           {"CORVANEDISK_HOME", dir.file("home")},
                           {"XDG_CONFIG_HOME", dir.file("config")}});
    EXPECT_NE(err.find(".dat created"), std::string::npos) << err;

    std::vector<fs::path> catalogs;
    for (const auto& e : fs::directory_iterator(dir.file("home/dat")))
        catalogs.push_back(e.path());
    ASSERT_EQ(catalogs.size(), 1u);
    std::string text = ReadFileBytes(catalogs[0].string());
    EXPECT_NE(text.find("\r\n>Root Dir " + ToCatalogPath(folder)), std::string::npos) << text;
    EXPECT_NE(text.find(ToCatalogPath(folder + "/beach.txt") + ">"), std::string::npos) << text;
}

TEST_F(DesktopIntegrationTest, LauncherStartsTheProgramWithoutArguments)
{
    fs::create_directories(dir.file("Desktop"));
    std::string path = WriteDesktopLauncher("/opt/corvane disk/CorvaneDisk", places());
    EXPECT_EQ(path, dir.file("Desktop/CorvaneDisk v2.0.0.desktop"));
    const std::string expected = "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=CorvaneDisk v2.0.0\n"
                                 "Exec=\"/opt/corvane disk/CorvaneDisk\"\n"
                                 "Icon=corvanedisk\n"
                                 "Terminal=false\n";
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(modeOf(path), 0755u);
    expectProgramIcon();
    dir.write("Desktop/CorvaneDisk v2.0.0.desktop", "spoilt");
    WriteDesktopLauncher("/opt/corvane disk/CorvaneDisk", places());
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(modeOf(path), 0755u);

    std::string program = fakeProgram();
    path = WriteDesktopLauncher(program, places());
    QStringList argv = execArguments(path, "Desktop Entry", "");
    EXPECT_EQ(argv, QStringList{QString::fromStdString(program)});
    EXPECT_EQ(runRecorded(argv), "\n");
}

TEST_F(DesktopIntegrationTest, PlacesComeFromTheXdgSettings)
{
    struct Env {
        const char* name;
        QByteArray old;
    };
    std::vector<Env> saved;
    auto set = [&](const char* name, const std::string& value) {
        saved.push_back({name, qgetenv(name)});
        qputenv(name, QByteArray::fromStdString(value));
    };
    set("HOME", dir.file("home"));
    set("XDG_DATA_HOME", dir.file("data"));
    set("XDG_CONFIG_HOME", dir.file("config"));
    fs::create_directories(dir.file("home"));

    DesktopPlaces p = UserDesktopPlaces();
    EXPECT_EQ(p.dataHome, dir.file("data"));
    EXPECT_EQ(p.desktop, dir.file("home/Desktop"));

    dir.write("config/user-dirs.dirs", "# written by xdg-user-dirs-update\n"
                                       "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(UserDesktopPlaces().desktop, dir.file("home/Schreibtisch"));

    // A desktop folder that does not exist is reported, not made.
    RecordingPrompter prompter;
    EXPECT_FALSE(AddDesktopLauncher(prompter, "/opt/CorvaneDisk"));
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(prompter.boxes[0].icon, MsgIcon::Critical);
    EXPECT_NE(prompter.boxes[0].text.find("Schreibtisch"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.file("home/Schreibtisch")));

    // A home desktop means the user has none.
    dir.write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
    EXPECT_EQ(UserDesktopPlaces().desktop, "");

    EXPECT_TRUE(RebuildFolderVerb(prompter, "/opt/CorvaneDisk"));
    EXPECT_TRUE(fs::exists(dir.file("data/nemo/actions/corvanedisk-catalog.nemo_action")));

    for (auto it = saved.rbegin(); it != saved.rend(); ++it)
        qputenv(it->name, it->old);
}

TEST_F(DesktopIntegrationTest, FailuresAreReportedAndWriteNothing)
{
    // A data folder that is a file.
    dir.write("data", "not a folder");
    EXPECT_THROW(WriteFolderVerb("/opt/CorvaneDisk", places()), AppError);
    // A program path no desktop file can carry.
    fs::remove(dir.file("data"));
    fs::create_directories(dir.file("Desktop"));
    for (std::string bad : {"/opt/Corvane\nDisk", "relative/CorvaneDisk", "", "/opt/\xff"}) {
        EXPECT_THROW(WriteFolderVerb(bad, places()), AppError) << bad;
        EXPECT_THROW(WriteDesktopLauncher(bad, places()), AppError) << bad;
    }
    EXPECT_FALSE(fs::exists(dir.file("data")));
    EXPECT_TRUE(fs::is_empty(dir.file("Desktop")));
}

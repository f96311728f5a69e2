// Runs the real program in console mode, as a user's shell would.
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
std::string quote(const std::string& s)
{
    std::string out = "'";
    for (char c : s)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct Outcome {
    int code = -1;
    std::string out, err;
};

class BatchCli : public ::testing::Test {
protected:
    // answers: what the user types at the questions.
    // display: the environment that decides between console and dialogs.
    Outcome run(const std::vector<std::string>& args, const std::string& answers = "",
                const std::string& display = "CORVANEDISK_CONSOLE=1")
    {
        std::string cmd = "cd " + quote(cwd) + " && CORVANEDISK_HOME=" + quote(home()) + " " + display +
                          " XDG_CONFIG_HOME=" + quote(d.file("config")) + " TZ=Pacific/Kiritimati " + asUser +
                          quote(std::string(CORVANE_BINARY_DIR) + "/CorvaneDisk");
        for (const auto& a : args)
            cmd += " " + quote(a);
        d.write("answers", answers);
        cmd += " <" + quote(d.file("answers")) + " >" + quote(d.file("out")) + " 2>" + quote(d.file("err"));
        int status = std::system(cmd.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, d.read("out"), d.read("err")};
    }
    std::string home() const { return d.file("home"); }
    // Runs the program as an ordinary user from now on: root may read and
    // write everything, so permissions only mean something for others.
    void runAsOrdinaryUser()
    {
        if (geteuid() != 0)
            return;
        asUser = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
        std::filesystem::permissions(d.path(), std::filesystem::perms(0755));
        for (const char* sub : {"home", "home/dat", "home/reports", "home/tmp"}) {
            std::filesystem::create_directories(d.file(sub));
            ASSERT_EQ(chown(d.file(sub).c_str(), 65534, 65534), 0);
        }
    }
    std::string asUser;
    std::string cwd = "/"; // where the user's shell stands
    std::string catalog(const std::string& name) { return d.read("home/dat/" + name + ".dat"); }
    std::string tree()
    {
        // Fixed dates; 22:00 UTC on 01/03/2004 is already 02/03/2004 in Kiritimati.
        for (const char* f : {"tree/a.txt", "tree/sub/b.txt", "tree/page.htm", "tree/c.doc"}) {
            std::string p = d.write(f, std::string(1500, 'x'));
            timespec t[2] = {{1078178400, 0}, {1078178400, 0}};
            utimensat(AT_FDCWD, p.c_str(), t, 0);
        }
        d.write("tree/titled.html", "<html><title>Our Page</title></html>");
        timespec t[2] = {{0, 0}, {0, 0}};
        utimensat(AT_FDCWD, d.file("tree/titled.html").c_str(), t, 0);
        return d.file("tree");
    }
    std::string cat(const std::string& rel)
    {
        std::string p = d.file(rel);
        for (char& c : p)
            if (c == '/')
                c = '\\';
        return p;
    }
    // The name the folder verb gives a folder below the test folder.
    std::string verbName(const std::string& rel)
    {
        std::string base;
        for (char c : cat(rel))
            if (std::isalnum(static_cast<unsigned char>(c)))
                base += c;
            else if (c == '\\')
                base += '_';
        return base;
    }
    TempDir d;
};
} // namespace

TEST_F(BatchCli, CreatesTheCatalogByteForByte)
{
    Outcome r = run({"-c:" + tree(), "-o:Name", "-r", "-m", "-f:*.txt;*.htm*"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    std::string text = catalog("Name");
    std::vector<std::string> lines;
    for (std::size_t p = 0, e; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2)
        lines.push_back(text.substr(p, e - p));
    ASSERT_TRUE(text.ends_with("\r\n"));
    ASSERT_EQ(lines.size(), 15u) << text;
    EXPECT_EQ(lines[5], ">Root Dir " + cat("tree") + "\\");
    EXPECT_EQ(lines[6], ">Recursive Dir True");
    EXPECT_EQ(lines[7], ">Search zip content False");
    EXPECT_EQ(lines[8], ">Enable comment True");
    EXPECT_EQ(lines[9], ">Search *.txt;*.htm*");
    EXPECT_EQ(lines[10], ">Comment ");
    EXPECT_EQ(lines[11], cat("tree/a.txt") + ">2 Kb/01/03/2004");
    EXPECT_EQ(lines[12], cat("tree/sub/b.txt") + ">2 Kb/01/03/2004");
    EXPECT_EQ(lines[13], cat("tree/page.htm") + ">2 Kb/01/03/2004><");
    EXPECT_EQ(lines[14], cat("tree/titled.html") + ">0 Kb/01/01/1970>Our Page<");
}

TEST_F(BatchCli, VerboseQuestionsAndOverwrite)
{
    std::string folder = tree();
    Outcome no = run({"-c:" + folder, "-o:V", "-v"}, "n\n");
    EXPECT_EQ(no.code, 1);
    EXPECT_EQ(no.err, "Start Catalog creation [y/N]? ");
    EXPECT_FALSE(std::filesystem::exists(home() + "/dat/V.dat"));

    Outcome yes = run({"-c:" + folder, "-o:V", "-v"}, "y\n");
    EXPECT_EQ(yes.code, 0);
    EXPECT_EQ(yes.err, "Start Catalog creation [y/N]? CorvaneDisk: Catalog V.dat created\n");
    std::string before = catalog("V");

    d.write("tree/new.txt", "x");
    Outcome keep = run({"-c:" + folder, "-o:V"}, "n\n");
    EXPECT_EQ(keep.code, 1);
    EXPECT_EQ(keep.err, "File allready exist, overwrite it [y/N]? ");
    EXPECT_EQ(catalog("V"), before);

    Outcome unattended = run({"-c:" + folder, "-o:V"}); // no answer at all means No
    EXPECT_EQ(unattended.code, 1);
    EXPECT_EQ(catalog("V"), before);

    Outcome forced = run({"-c:" + folder, "-o:V", "-a"});
    EXPECT_EQ(forced.code, 0);
    EXPECT_EQ(forced.err, "");
    EXPECT_NE(catalog("V"), before);
}

TEST_F(BatchCli, FolderVerbNamesCatalogsAfterTheFolder)
{
    std::string folder = tree();
    const std::string base = verbName("tree");
    Outcome first = run({"-d:" + folder});
    EXPECT_EQ(first.code, 0);
    EXPECT_EQ(first.err, "CorvaneDisk: Catalog " + base + ".dat created\n");
    Outcome second = run({"-d:" + folder});
    EXPECT_EQ(second.code, 0);
    EXPECT_EQ(second.err, "CorvaneDisk: Catalog " + base + "000.dat created\n");
    EXPECT_TRUE(std::filesystem::exists(home() + "/dat/" + base + "000.dat"));
}

TEST_F(BatchCli, AFolderTypedRelativeOrUntidyIsStoredAbsoluteAndTidy)
{
    tree();
    d.write("tree/sub/deeper/x.txt", "x");
    cwd = d.file("tree/sub");
    Outcome r = run({"-c:..//./sub/../", "-o:Rel", "-f:a.txt"});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string text = catalog("Rel");
    EXPECT_NE(text.find("\r\n>Root Dir " + cat("tree") + "\\\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n" + cat("tree/a.txt") + ">"), std::string::npos) << text;

    // The folder verb on "." names the catalog after the folder it stands for.
    cwd = d.file("tree/sub/deeper");
    const std::string base = verbName("tree/sub/deeper");
    Outcome here = run({"-d:."});
    EXPECT_EQ(here.code, 0) << here.err;
    EXPECT_EQ(here.err, "CorvaneDisk: Catalog " + base + ".dat created\n");
    EXPECT_NE(catalog(base).find(">Root Dir " + cat("tree/sub/deeper") + "\\\r\n"), std::string::npos);
}

TEST_F(BatchCli, MissingFolderUsageAndUnwritableLibrary)
{
    Outcome missing = run({"-c:" + d.file("nowhere"), "-o:X"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err, "CorvaneDisk: Directory does not exist\n");

    for (const auto& args : std::vector<std::vector<std::string>>{{"-h"}, {" "}, {"-c:/x"}, {"-l:a.dat", "-o:b"}}) {
        Outcome usage = run(args);
        EXPECT_EQ(usage.code, 2);
        EXPECT_TRUE(usage.out.starts_with("\r\nFor create catalog :\r\n--------------------\r\n"));
        EXPECT_NE(usage.out.find("    -i:[f][r][d][s][i][c] : Add colomn [File] [Directory] [Date]\r\n"),
                  std::string::npos);
    }

    Outcome escape = run({"-c:" + tree(), "-o:../outside"});
    EXPECT_EQ(escape.code, 1);
    EXPECT_FALSE(std::filesystem::exists(home() + "/outside.dat"));

    // The library folder is a file: said before any scan, and nothing is announced.
    std::filesystem::remove_all(home() + "/dat");
    d.write("home/dat", "not a folder");
    Outcome broken = run({"-c:" + tree(), "-o:X", "-v"}, "y\n");
    EXPECT_EQ(broken.code, 1);
    EXPECT_NE(broken.err.find("in CorvaneDisk.modMain.Main."), std::string::npos) << broken.err;
    EXPECT_EQ(broken.err.find("created"), std::string::npos);
}

TEST_F(BatchCli, TheScansAndTheSavesProblemsAreToldInTheOrderTheyArise)
{
    std::string folder = tree();
    d.write("tree/secret.htm", "<title>hidden</title>");
    runAsOrdinaryUser();
    if (asUser.empty() && geteuid() == 0)
        GTEST_SKIP();
    std::filesystem::permissions(d.file("tree/secret.htm"), std::filesystem::perms::none);
    std::filesystem::create_directories(home() + "/dat/Pages.dat"); // no file can take its place

    Outcome r = run({"-c:" + folder, "-o:Pages", "-m", "-a"});
    EXPECT_EQ(r.code, 1);
    const std::size_t page = r.err.find("modFindFile.TitleHTML");
    const std::size_t save = r.err.find("modFindFile.SaveFile");
    ASSERT_NE(page, std::string::npos) << r.err;
    ASSERT_NE(save, std::string::npos) << r.err;
    EXPECT_LT(page, save);
    EXPECT_NE(r.err.find("Error 70: Permission denied (" + d.file("tree/secret.htm")), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("created"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(home() + "/dat/Pages.dat"));
}

TEST_F(BatchCli, ReportOfACatalogMadeByTheBatchMode)
{
    ASSERT_EQ(run({"-c:" + tree(), "-o:Disk", "-r", "-m", "-f:*.txt;*.html"}).code, 0);
    Outcome r = run({"-l:Disk.dat", "-t:T", "-s:;", "-i:frsdic", "-a"});
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(d.read("home/reports/Lib_Disk.txt"), "File;Directory;Size;Date;DiskID;Comment;\r\n"
                                                   "a.txt;" +
                                                       cat("tree") +
                                                       "\\;2 Kb;01/03/2004;Disk.dat;;\r\n"
                                                       "b.txt;" +
                                                       cat("tree/sub") +
                                                       "\\;2 Kb;01/03/2004;Disk.dat;;\r\n"
                                                       "titled.html;" +
                                                       cat("tree") +
                                                       "\\;0 Kb;01/01/1970;Disk.dat;Our Page;\r\n"
                                                       "\r\n");

    std::string before = d.read("home/reports/Lib_Disk.txt");
    Outcome keep = run({"-l:Disk.dat", "-t:T", "-v"}, "y\nn\n");
    EXPECT_EQ(keep.code, 1);
    EXPECT_EQ(keep.err, "Start report creation [y/N]? File allready exist, overwrite it [y/N]? ");
    EXPECT_EQ(d.read("home/reports/Lib_Disk.txt"), before);

    Outcome html = run({"-l:Disk.dat", "-v"}, "y\n");
    EXPECT_EQ(html.code, 0);
    EXPECT_TRUE(html.err.ends_with("CorvaneDisk: Report created\n"));
    EXPECT_TRUE(d.read("home/reports/Lib_Disk.html").starts_with("<HTML>"));

    Outcome missing = run({"-l:Nothing.dat"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("Error 53: File not found ("), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("in CorvaneDisk.modMain.CreateReport."), std::string::npos) << missing.err;
    EXPECT_FALSE(std::filesystem::exists(home() + "/reports/Lib_Nothing.html"));
}

TEST_F(BatchCli, ArchiveMembersStandDirectlyBeforeTheirArchivesLine)
{
    const std::string fixtures = std::string(CORVANE_FIXTURES) + "/archives/";
    std::filesystem::create_directories(d.file("arch/deep"));
    for (const char* f : {"sample.zip", "sample4.rar", "sample.ace", "sample.arj", "sample.lzh", "sample.cab"})
        std::filesystem::copy_file(fixtures + f, d.file(std::string("arch/") + f));
    std::filesystem::copy_file(fixtures + "sample5.rar", d.file("arch/deep/sample5.rar"));

    Outcome r = run({"-c:" + d.file("arch"), "-o:Arch", "-r", "-z", "-m"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::string text = catalog("Arch");
    std::vector<std::string> body;
    for (std::size_t p = 0, e, n = 0; (e = text.find("\r\n", p)) != std::string::npos; p = e + 2, ++n)
        if (n >= 11)
            body.push_back(text.substr(p, e - p));

    const std::pair<const char*, const char*> kinds[] = {
        {"sample.ace", ">Found in acefile : sample.ace<"},      {"sample.arj", ">Found in arjfile :sample.arj<"},
        {"sample.cab", ">Found in cabfile : sample.cab<"},      {"sample.lzh", ">Found in arjfile : sample.lzh<"},
        {"sample.zip", ">Found in zipfile :sample.zip<"},       {"sample4.rar", ">Found in rarfile :sample4.rar<"},
        {"deep/sample5.rar", ">Found in rarfile :sample5.rar<"}};
    std::size_t i = 0;
    for (const auto& [file, suffix] : kinds) {
        std::string own = cat("arch/" + std::string(file));
        std::size_t members = 0;
        while (i < body.size() && body[i].starts_with(own + "/")) {
            EXPECT_TRUE(body[i].ends_with(suffix)) << body[i];
            ++members;
            ++i;
        }
        EXPECT_GE(members, 2u) << file;
        ASSERT_LT(i, body.size());
        EXPECT_TRUE(body[i].starts_with(own + ">")) << body[i];
        ++i;
    }
    EXPECT_EQ(i, body.size());
    // The archives' own comments: ZIP from the comment pass, RAR from its lister.
    EXPECT_NE(text.find(cat("arch/sample.zip") + ">1 Kb/"), std::string::npos);
    EXPECT_NE(text.find(">Disk of 1998\x01second line<\r\n"), std::string::npos);
    EXPECT_NE(text.find(">RAR 5 comment\x01line two<\r\n"), std::string::npos);
}

TEST_F(BatchCli, ADamagedArchiveIsToldOnceInLibzipsWordsAndTheScanGoesOn)
{
    std::string half = ReadFileBytes(std::string(CORVANE_FIXTURES) + "/archives/sample.zip");
    half.resize(half.size() / 2);
    const std::string folder = tree();
    d.write("tree/half.zip", half);

    Outcome r = run({"-c:" + folder, "-o:Half", "-z", "-m"});
    EXPECT_EQ(r.code, 0) << r.err;
    const std::string told = d.file("tree/half.zip") + ": Not a zip archive\n";
    const std::size_t at = r.err.find(told);
    ASSERT_NE(at, std::string::npos) << r.err;
    EXPECT_TRUE(at == 0 || r.err[at - 1] == '\n') << r.err; // a line of its own, no title before it
    EXPECT_EQ(r.err.find(told, at + 1), std::string::npos) << r.err;
    const std::string text = catalog("Half");
    EXPECT_NE(text.find("\r\n" + cat("tree/half.zip") + ">"), std::string::npos);
    EXPECT_NE(text.find("\r\n" + cat("tree/page.htm") + ">"), std::string::npos); // the files after it
}

TEST_F(BatchCli, AnUnreachableDisplayFallsBackToTheConsole)
{
    Outcome r = run({"-c:" + d.file("nowhere"), "-o:X"}, "",
                    "env -u CORVANEDISK_CONSOLE -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:97");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("CorvaneDisk: Directory does not exist\n"), std::string::npos) << r.err;
}

TEST_F(BatchCli, PermissionsAreToldBeforeTheWorkAndNoCatalogIsReplacedUnasked)
{
    std::string folder = tree();
    std::filesystem::create_directories(d.file("tree/locked/inside"));
    d.write("tree/locked/inside/hidden.txt", "x");
    runAsOrdinaryUser();
    if (asUser.empty() && geteuid() == 0)
        GTEST_SKIP();
    std::filesystem::permissions(d.file("tree/locked"), std::filesystem::perms::none);

    // A folder that cannot be read is told once, with how many were left out.
    Outcome skipped = run({"-c:" + folder, "-o:Skip", "-r"});
    EXPECT_EQ(skipped.code, 0) << skipped.err;
    EXPECT_NE(skipped.err.find("Error 70: Permission denied (1 folder(s) could not be read"), std::string::npos)
        << skipped.err;
    EXPECT_NE(skipped.err.find("modFindFile.SearchForFilesArray"), std::string::npos);
    EXPECT_EQ(catalog("Skip").find("hidden.txt"), std::string::npos);

    // A catalog that cannot even be read is still asked about.
    d.write("home/dat/Old.dat", "mine");
    std::filesystem::permissions(d.file("home/dat/Old.dat"), std::filesystem::perms::none);
    Outcome keep = run({"-c:" + folder, "-o:Old"}, "n\n");
    EXPECT_EQ(keep.code, 1);
    EXPECT_EQ(keep.err, "File allready exist, overwrite it [y/N]? ");
    std::filesystem::permissions(d.file("home/dat/Old.dat"), std::filesystem::perms::owner_read);
    EXPECT_EQ(catalog("Old"), "mine");

    // A library folder that cannot be written: the system's reason, before any scan.
    std::filesystem::permissions(d.file("home/dat"), std::filesystem::perms(0555));
    Outcome locked = run({"-c:" + folder, "-o:New"});
    EXPECT_EQ(locked.code, 1);
    EXPECT_NE(locked.err.find("Error 70: Permission denied"), std::string::npos) << locked.err;
    EXPECT_NE(locked.err.find("modMain.Main"), std::string::npos);
    EXPECT_EQ(locked.err.find("SaveFile"), std::string::npos);
    std::filesystem::permissions(d.file("home/dat"), std::filesystem::perms(0755));
}

TEST_F(BatchCli, NamesUpToTheFileSystemsLimitAndNoFurther)
{
    const std::string name(250, 'n');
    Outcome made = run({"-c:" + tree(), "-o:" + name});
    EXPECT_EQ(made.code, 0) << made.err;
    EXPECT_TRUE(catalog(name).starts_with(">"));
    Outcome report = run({"-l:" + name + ".dat", "-t:T"});
    EXPECT_EQ(report.code, 0) << report.err;
    EXPECT_TRUE(std::filesystem::exists(home() + "/reports/Lib_" + name.substr(0, 255 - 8) + ".txt"));

    Outcome tooLong = run({"-c:" + tree(), "-o:" + std::string(252, 'n')});
    EXPECT_EQ(tooLong.code, 1);
    EXPECT_NE(tooLong.err.find("too long"), std::string::npos) << tooLong.err;
    for (const char* bad : {"-o:.", "-o:.."}) {
        Outcome dots = run({"-c:" + tree(), bad});
        EXPECT_EQ(dots.code, 1);
        EXPECT_NE(dots.err.find("name folders, not files"), std::string::npos) << dots.err;
    }
    Outcome lineFeed = run({"-c:" + tree(), "-o:two\nlines"});
    EXPECT_EQ(lineFeed.code, 1);
    EXPECT_NE(lineFeed.err.find("control characters"), std::string::npos) << lineFeed.err;
}

TEST_F(BatchCli, AFileSizeLimitIsAFailedWriteThatKeepsTheOldCatalog)
{
    std::filesystem::create_directories(d.file("big"));
    for (int i = 0; i < 400; ++i)
        d.write("big/" + std::to_string(i) + std::string(150, 'n') + ".txt", "x");
    d.write("home/dat/Big.dat", "old");
    // What a save killed earlier left behind; it goes at this start.
    const std::string left = d.write("home/dat/.Big.dat.corvane-AbC123", "half");
    const timespec old[2] = {{1078178400, 0}, {1078178400, 0}};
    utimensat(AT_FDCWD, left.c_str(), old, 0);

    asUser = "prlimit --fsize=60000 ";
    Outcome r = run({"-c:" + d.file("big"), "-o:Big", "-a"});
    EXPECT_EQ(r.code, 1) << r.err;
    EXPECT_NE(r.err.find("(cannot write " + d.file("home/dat/Big.dat") + ": File too large)"), std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find("modFindFile.SaveFile"), std::string::npos);
    EXPECT_EQ(catalog("Big"), "old");
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(d.file("home/dat")))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"Big.dat"});
}

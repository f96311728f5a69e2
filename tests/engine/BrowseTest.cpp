#include "engine/browse/FolderLoad.h"
#include "engine/browse/FolderPath.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/scan/CatalogScan.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/BytesReadSoFar.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The parent folder, with its final "\": "C:\a\b\" gives "C:\a\", "C:\"
// gives "" (a folder whose parent cannot be derived is a top-level folder).
std::string_view ParentFolderKey(std::string_view path)
{
    std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos || last == 0)
        return {};
    std::size_t previous = path.rfind('\\', last - 1);
    return previous == std::string_view::npos ? std::string_view() : path.substr(0, previous + 1);
}

// Made as the Windows program writes: Windows-1252, CR LF, a root without its
// final backslash, a folder on another drive, archive members, a blank line,
// a comment holding ">", and one name twice in different case.
const std::string kWindowsCatalog = CORVANE_FIXTURES "/catalogs/windows1252.dat";

// The tree as indented lines: R root, F folder, T top-level; the count of
// files in brackets. Checks on the way that parents and rows agree with the
// children lists, as a tree view asks them.
std::string treeImage(const CatalogFolders& f)
{
    std::string out;
    auto walk = [&](auto&& self, FolderId node, int depth) -> void {
        out += std::string(std::size_t(depth) * 2, ' ');
        out += "RFT"[int(f.Kind(node))];
        out += " " + std::string(f.Text(node)) + " [" + std::to_string(f.CountFile(node)) + "]\n";
        auto children = f.Children(node);
        for (std::size_t i = 0; i < children.size(); ++i) {
            EXPECT_EQ(f.Parent(children[i]), node);
            EXPECT_EQ(f.Row(children[i]), i);
            self(self, children[i], depth + 1);
        }
    };
    for (std::size_t i = 0; i < f.TopLevel().size(); ++i) {
        EXPECT_EQ(f.Parent(f.TopLevel()[i]), NoFolder);
        EXPECT_EQ(f.Row(f.TopLevel()[i]), i);
        walk(walk, f.TopLevel()[i], 0);
    }
    return out;
}

std::vector<std::string> names(const CatalogFolders& f, FolderId folder)
{
    std::vector<std::string> out;
    for (const FolderFile& file : f.Files(folder))
        out.push_back(file.Name);
    return out;
}

FolderId childNamed(const CatalogFolders& f, FolderId parent, std::string_view text)
{
    for (FolderId c : parent == NoFolder ? f.TopLevel() : f.Children(parent))
        if (f.Text(c) == text)
            return c;
    ADD_FAILURE() << "no folder " << text;
    return 0;
}

class Browse : public ::testing::Test {
protected:
    FolderLoad load(const std::string& path)
    {
        FolderLoadControl control;
        return LoadCatalogFolders(path, control);
    }
    // A catalog of the library with the test header and body.
    FolderLoad loadBody(std::string_view body)
    {
        return load(lib.catalog("b.dat", std::string(kTestHeader) + std::string(body)));
    }

    TempLibrary lib;
    RecordingPrompter prompter;
    // Shown as the windows show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST(FolderPath, ParentAndLastFolderName)
{
    struct Case {
        std::string_view path, parent, last;
    };
    for (const Case& c : {
             Case{"C:\\a\\b\\", "C:\\a\\", "b"},
             Case{"C:\\a\\", "C:\\", "a"},
             Case{"C:\\", "", "C:"},
             Case{"C:\\a\\b", "C:\\", "a"},
             Case{"abc", "", "abc"},
             Case{"\\home\\ann\\", "\\home\\", "ann"},
             Case{"\\home\\", "\\", "home"},
             Case{"\\", "", ""},
             Case{"\\\\server\\share\\", "\\\\server\\", "share"},
             Case{" a \\ b \\", " a \\", " b "},
         }) {
        EXPECT_EQ(ParentFolderKey(c.path), c.parent) << c.path;
        EXPECT_EQ(LastPath(c.path), c.last) << c.path;
    }
}

TEST_F(Browse, WindowsCatalogLoadsWithItsFolders)
{
    FolderLoad l = load(kWindowsCatalog);
    ASSERT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Loaded);
    const CatalogFolders& f = l.folders;
    EXPECT_EQ(treeImage(f), "R C:\\Données\\ [2]\n"
                            "  F Photos [0]\n"
                            "    F été 2001 [2]\n"
                            "T D: [0]\n"
                            "  F Autres [1]\n");
    EXPECT_EQ(f.CountFolder(), 5u);
    EXPECT_EQ(f.CountFile(), 5u);
    EXPECT_EQ(l.status.malformed, 0u);
    EXPECT_EQ(l.status.duplicates, 0u);

    // One name in two cases: two files.
    const FolderId root = f.TopLevel()[0];
    EXPECT_EQ(names(f, root), (std::vector<std::string>{"résumé.doc", "Résumé.doc"}));
    const FolderFile resume = f.Files(root)[1];
    EXPECT_EQ(resume.Size, "13 Kb");
    EXPECT_EQ(resume.DateModif, "04/04/2001");
    EXPECT_EQ(resume.Comment, "");
    // The key is the line's own bytes: it names no other line that reads alike.
    EXPECT_EQ(resume.Key, "C:\\Donn\xE9"
                          "es\\R\xE9sum\xE9.doc>13 Kb/04/04/2001");
    EXPECT_EQ(f.StoredPath(root, 1), "C:\\Donn\xE9"
                                     "es\\R\xE9sum\xE9.doc");

    const FolderId summer = childNamed(f, childNamed(f, root, "Photos"), "été 2001");
    std::vector<FolderFile> photos = f.Files(summer);
    ASSERT_EQ(photos.size(), 2u); // the members stay out
    EXPECT_EQ(photos[0].Name, "plage.jpg");
    EXPECT_EQ(photos[0].Comment, "Vacances à la mer\r\ndeuxième ligne");
    EXPECT_EQ(photos[1].Name, "archive.zip");
    EXPECT_EQ(photos[1].Comment, "Photos d'été");

    const FolderFile notes = f.Files(childNamed(f, childNamed(f, NoFolder, "D:"), "Autres"))[0];
    EXPECT_EQ(notes.Comment, "prix > 5 €");
    EXPECT_EQ(notes.Key, "D:\\Autres\\notes.txt>1 Kb/01/01/2000");
}

TEST_F(Browse, EditedCommentLandsOnItsLineAndInTheModel)
{
    std::filesystem::copy_file(kWindowsCatalog, lib.file("dat/w.dat"));
    const std::string path = LibraryCatalogPath("w.dat");
    FolderLoad l = load(path);
    const FolderId root = l.folders.TopLevel()[0];
    const FolderId summer = l.folders.Children(l.folders.Children(root)[0])[0];
    const FolderFile beach = l.folders.Files(summer)[0];
    const std::string before = lib.catalogText("w.dat");

    ChangeComment("w.dat", beach.Key, "à <revoir>\nplus tard", problems);
    l.folders.SetComment(summer, 0, "à <revoir>\nplus tard");

    std::string expected = before;
    const std::string oldLine = "plage.jpg>340 Kb/15/08/2001>Vacances \xE0 la mer\x01"
                                "deuxi\xE8me ligne<";
    expected.replace(expected.find(oldLine), oldLine.size(), "plage.jpg>340 Kb/15/08/2001>\xE0 ?revoir?\x01plus tard<");
    EXPECT_EQ(lib.catalogText("w.dat"), expected);
    EXPECT_EQ(l.folders.Files(summer)[0].Comment, "à ?revoir?\r\nplus tard");
    EXPECT_EQ(l.folders.Files(summer)[1].Comment, "Photos d'été");
    EXPECT_EQ(load(path).folders.Files(summer)[0].Comment, "à ?revoir?\r\nplus tard");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Browse, OneFolderOrNameInBothEncodingsIsOne)
{
    // A Windows catalog with some lines rewritten as UTF-8: each file stays
    // in its folder.
    std::filesystem::copy_file(kWindowsCatalog, lib.file("dat/w.dat"));
    FolderLoad l = load(LibraryCatalogPath("w.dat"));
    const std::string tree = treeImage(l.folders);
    const FolderId root = l.folders.TopLevel()[0];
    const FolderId summer = l.folders.Children(l.folders.Children(root)[0])[0];
    std::string mixed = lib.catalogText("w.dat");
    for (auto [line, comment] :
         {std::pair<std::string, std::string>{"C:\\Donn\xE9"
                                              "es\\Photos\\\xE9t\xE9 2001\\plage.jpg>340 Kb/15/08/2001>Vacances "
                                              "\xE0 la mer\x01"
                                              "deuxi\xE8me ligne<",
                                              ">plage \xE6\xB5\xB7<"},
          {"C:\\Donn\xE9"
           "es\\R\xE9sum\xE9.doc>13 Kb/04/04/2001",
           ">CV \xE6\xB5\xB7<"}}) {
        const std::size_t at = mixed.find(line);
        ASSERT_NE(at, std::string::npos);
        const std::string kept = line.substr(0, line.find('>', line.find('>') + 1));
        mixed.replace(at, line.size(), Windows1252ToUtf8(kept) + comment);
    }
    lib.catalog("w.dat", mixed);
    l = load(LibraryCatalogPath("w.dat"));
    EXPECT_EQ(treeImage(l.folders), tree);
    EXPECT_EQ(names(l.folders, root), (std::vector<std::string>{"résumé.doc", "Résumé.doc"}));
    EXPECT_EQ(l.folders.Files(summer)[0].Comment, "plage 海");
    EXPECT_EQ(l.status.duplicates, 0u);

    // A name listed in either encoding in one folder is listed once.
    l = loadBody("\\data\\caf\xE9\\men\xFA.txt>1 Kb/01/01/2020>x\xE0<\r\n"
                 "\\data\\caf\xC3\xA9\\men\xC3\xBA.txt>2 Kb/01/01/2020\r\n"
                 "\\data\\caf\xC3\xA9\\other.txt>3 Kb/01/01/2020\r\n"
                 "\\data\\men\xC3\xBA.txt>4 Kb/01/01/2020\r\n"
                 "\\data\\men\xFA.txt>5 Kb/01/01/2020>x\xE0<\r\n");
    EXPECT_EQ(treeImage(l.folders), "R \\data\\ [1]\n"
                                    "  F café [2]\n");
    EXPECT_EQ(names(l.folders, l.folders.Children(0)[0]), (std::vector<std::string>{"menú.txt", "other.txt"}));
    EXPECT_EQ(l.folders.Files(0)[0].Size, "4 Kb");
    EXPECT_EQ(l.status.duplicates, 2u);
}

TEST_F(Browse, CatalogMadeByTheScan)
{
    lib.write("disk/Docs/a.txt", "1");
    lib.write("disk/docs/a.txt", "22");
    lib.write("disk/docs/A.txt", "333");
    lib.write("disk/ both ends .txt ", "");
    lib.write("disk/deep/er/est/x.txt", "");
    lib.write("disk/\xC3\xA9t\xC3\xA9/na\xEFve.txt", ""); // a legacy name in a UTF-8 folder
    lib.write("disk/\xC3\xA9t\xC3\xA9/\xC3\xBC"
              "bung.txt",
              "");
    std::filesystem::copy_file(CORVANE_FIXTURES "/archives/sample.zip", lib.file("disk/docs/s.zip"));
    ScanSession scan;
    ScanOptions options;
    options.RootDir = lib.file("disk");
    options.FilePatterns = "*.*";
    options.RecursiveDir = options.SearchZipContent = true;
    CreateCatalog(options, scan);
    ASSERT_TRUE(SaveFile(scan.lines, lib.file("dat/scan.dat"), scan.problems));
    EXPECT_TRUE(scan.problems.list.empty());

    FolderLoad l = load(lib.file("dat/scan.dat"));
    ASSERT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Loaded);
    EXPECT_TRUE(l.status.problems.empty());
    const CatalogFolders& f = l.folders;
    std::string root = lib.file("disk/");
    std::replace(root.begin(), root.end(), '/', '\\');
    EXPECT_EQ(treeImage(f), "R " + root +
                                " [1]\n"
                                "  F Docs [1]\n"
                                "  F deep [0]\n"
                                "    F er [0]\n"
                                "      F est [1]\n"
                                "  F docs [3]\n"
                                "  F été [2]\n");
    EXPECT_EQ(names(f, f.TopLevel()[0]), (std::vector<std::string>{" both ends .txt "}));
    EXPECT_EQ(names(f, childNamed(f, f.TopLevel()[0], "docs")), (std::vector<std::string>{"A.txt", "a.txt", "s.zip"}));
    EXPECT_EQ(f.Files(childNamed(f, f.TopLevel()[0], "Docs"))[0].Key,
              root + "Docs\\a.txt>0 Kb/" + f.Files(f.TopLevel()[0])[0].DateModif);

    // The line with the legacy name reads as Windows-1252, its neighbours as
    // UTF-8; its key still finds the line, its path the file.
    EXPECT_EQ(names(f, childNamed(f, f.TopLevel()[0], "été")), (std::vector<std::string>{"naïve.txt", "übung.txt"}));
    const FolderId summer = childNamed(f, f.TopLevel()[0], "été");
    const FolderFile naive = f.Files(summer)[0];
    EXPECT_EQ(FromCatalogPath(f.StoredPath(summer, 0)).path, lib.file("disk/\xC3\xA9t\xC3\xA9/na\xEFve.txt"));
    ChangeComment("scan.dat", naive.Key, "vu", problems);
    EXPECT_NE(
        lib.catalogText("scan.dat").find("\\\xC3\xA9t\xC3\xA9\\na\xEFve.txt>0 Kb/" + naive.DateModif + ">vu<\r\n"),
        std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty());
}

// A name is the file's name on disk: a comment is stored in the encoding of
// its line, or as UTF-8 only where the rest of the line reads so already;
// one that would need the name re-encoded is refused, and nothing changes.
TEST_F(Browse, CommentsNeverChangeTheBytesOfAName)
{
    lib.write("disk/\xFF\xFE.txt", ""); // names a Linux disk can hold, in no encoding
    lib.write("disk/\x81x.txt", "");
    lib.write("disk/caf\xC3\xA9.txt", "");
    lib.write("disk/plain.txt", "");
    ScanSession scan;
    ScanOptions options;
    options.RootDir = lib.file("disk");
    options.FilePatterns = "*.*";
    CreateCatalog(options, scan);
    ASSERT_TRUE(SaveFile(scan.lines, lib.file("dat/scan.dat"), scan.problems));
    FolderLoad l = load(lib.file("dat/scan.dat"));
    const FolderId root = l.folders.TopLevel()[0];
    std::map<std::string, FolderFile> rows;
    for (std::size_t i = 0; i < l.folders.Files(root).size(); ++i)
        rows[std::string(FromCatalogPath(l.folders.StoredPath(root, i)).path.substr(lib.file("disk/").size()))] =
            l.folders.Files(root)[i];
    ASSERT_EQ(rows.size(), 4u);
    auto comment = [&](const std::string& name, std::string_view text) {
        return ChangeComment("scan.dat", rows.at(name).Key, text, problems);
    };

    const std::string before = lib.catalogText("scan.dat");
    EXPECT_EQ(comment("\x81x.txt", "\xE6\x97\xA5\xE6\x9C\xAC note"), CommentChange::Refused);
    EXPECT_EQ(comment("\xFF\xFE.txt", "\xE6\x97\xA5"), CommentChange::Refused);
    EXPECT_EQ(lib.catalogText("scan.dat"), before);
    // What the code page holds goes into it.
    EXPECT_EQ(comment("\xFF\xFE.txt", "\xC3\xBF \xE2\x82\xAC prix"), CommentChange::Written);
    EXPECT_EQ(comment("plain.txt", "\xC3\xA9t\xC3\xA9"), CommentChange::Written);
    EXPECT_NE(lib.catalogText("scan.dat").find("\\plain.txt>0 Kb/" + rows.at("plain.txt").DateModif + ">\xE9t\xE9<"),
              std::string::npos);
    // A line of plain names takes what its code page lacks as UTF-8.
    EXPECT_EQ(comment("plain.txt", "\xE6\x97\xA5"), CommentChange::Written);
    EXPECT_EQ(comment("caf\xC3\xA9.txt", "\xE6\x97\xA5"), CommentChange::Written);

    const std::string after = lib.catalogText("scan.dat");
    EXPECT_NE(after.find("\\\xFF\xFE.txt>0 Kb/" + rows.at("\xFF\xFE.txt").DateModif + ">\xFF \x80 prix<"),
              std::string::npos);
    EXPECT_NE(after.find("\\plain.txt>0 Kb/" + rows.at("plain.txt").DateModif + ">\xE6\x97\xA5<"), std::string::npos);
    l = load(lib.file("dat/scan.dat"));
    const std::vector<FolderFile> files = l.folders.Files(l.folders.TopLevel()[0]);
    ASSERT_EQ(files.size(), 4u);
    std::size_t commented = 0;
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_TRUE(std::filesystem::exists(FromCatalogPath(l.folders.StoredPath(l.folders.TopLevel()[0], i)).path))
            << files[i].Name;
        commented += !files[i].Comment.empty();
    }
    EXPECT_EQ(commented, 3u);

    // A line that is Windows-1252 only by its old comment: the name's UTF-8
    // bytes stay, and the line becomes UTF-8 as a whole.
    lib.catalog("old.dat", std::string(kTestHeader) + "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001>d\xE9j\xE0<\r\n");
    EXPECT_EQ(ChangeComment("old.dat", "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001", "\xE6\x97\xA5", problems),
              CommentChange::Written);
    EXPECT_EQ(lib.catalogText("old.dat"),
              std::string(kTestHeader) + "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001>\xE6\x97\xA5<\r\n");

    // A Windows catalog's names keep the bytes that program reads.
    std::filesystem::copy_file(kWindowsCatalog, lib.file("dat/w.dat"));
    l = load(LibraryCatalogPath("w.dat"));
    const FolderId summer = l.folders.Children(l.folders.Children(l.folders.TopLevel()[0])[0])[0];
    EXPECT_EQ(ChangeComment("w.dat", l.folders.Files(summer)[0].Key, "plage \xE6\xB5\xB7", problems),
              CommentChange::Refused);
    EXPECT_EQ(lib.catalogText("w.dat"), ReadFileBytes(kWindowsCatalog));
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST_F(Browse, RootComesFromTheHeader)
{
    // Only the header: the root alone.
    FolderLoad l = loadBody("");
    EXPECT_EQ(treeImage(l.folders), "R \\data\\ [0]\n");

    // The root "\" of a whole Linux disk reads "/", with or without its final
    // backslash; a folder outside the root gets its own top-level chain.
    for (std::string_view rootLine : {">Root Dir \\", ">Root Dir "}) {
        std::string header(kTestHeader);
        header.replace(header.find(">Root Dir \\data"), std::string_view(">Root Dir \\data").size(), rootLine);
        l = load(lib.catalog("r.dat", header + "\\x.txt>1 Kb/01/01/2020\r\n"
                                               "\\etc\\hosts>1 Kb/01/01/2020\r\n"));
        EXPECT_EQ(treeImage(l.folders), "R / [1]\n"
                                        "  F etc [1]\n");
    }
    l = loadBody("\\data\\in.txt>1 Kb/01/01/2020\r\n"
                 "\\home\\bob\\out.txt>1 Kb/01/01/2020\r\n"
                 "\\data\\sub\\in.txt>1 Kb/01/01/2020\r\n");
    EXPECT_EQ(treeImage(l.folders), "R \\data\\ [1]\n"
                                    "  F sub [1]\n"
                                    "T / [0]\n"
                                    "  F home [0]\n"
                                    "    F bob [1]\n");
}

TEST_F(Browse, OnlyWellFormedFileLinesBecomeFiles)
{
    FolderLoad l = loadBody("\\data\\a.txt>1 Kb/01/01/2020\r\n"
                            "\r\n"
                            "    \r\n"
                            "\\data\\p.zip/in\\m.txt>1 Kb/01/01/2020>Found in zipfile :p.zip<\r\n"
                            "\\data\\p.zip/in\\>0 Kb/01/01/2020>Found in zipfile :p.zip<\r\n"
                            "no backslash.txt>1 Kb/01/01/2020\r\n"
                            "\\data\\no size field.txt\r\n"
                            "\\data\\no unit.txt>12/01/01/2020\r\n"
                            "\\data\\>1 Kb/01/01/2020\r\n"
                            "\x01\x02\xff\xfe junk\r\n"
                            "\\data\\c.txt>1 Kb/01/01/2020>version a<b ok<\r\n"
                            "\\data\\b.txt>2 Kb/02/02/2020\n"
                            "\\data\\last.txt>3 Kb/03/03/2020");
    ASSERT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Loaded);
    EXPECT_EQ(names(l.folders, 0), (std::vector<std::string>{"a.txt", "c.txt", "b.txt", "last.txt"}));
    EXPECT_EQ(l.folders.Files(0)[1].Comment, "version a<b ok"); // only the closing "<" goes
    EXPECT_EQ(l.folders.Files(0)[3].DateModif, "03/03/2020");
    EXPECT_EQ(l.status.malformed, 5u);
    EXPECT_EQ(l.status.duplicates, 0u);

    ASSERT_EQ(l.status.problems.size(), 1u);
    EXPECT_EQ(l.status.problems[0].item, lib.file("dat/b.dat"));
    const std::string box = ProblemBoxText(l.status.problems[0]);
    EXPECT_NE(box.find("Error 321: Invalid file format (5 lines"), std::string::npos);
    EXPECT_NE(box.find("CorvaneDisk.frmLib.FileDatToCollection."), std::string::npos);
}

TEST_F(Browse, DuplicateNamesKeepTheFirstAndAreReportedOnce)
{
    std::string body = "\\data\\Docs\\a.txt>1 Kb/01/01/2020>first<\r\n"
                       "\\data\\docs\\a.txt>2 Kb/01/01/2020\r\n"
                       "\\data\\Docs\\A.txt>3 Kb/01/01/2020\r\n";
    for (int i = 0; i < 3000; ++i)
        body += "\\data\\Docs\\a.txt>" + std::to_string(i) + " Kb/01/01/2020>again<\r\n";
    FolderLoad l = loadBody(body);
    const CatalogFolders& f = l.folders;
    EXPECT_EQ(treeImage(f), "R \\data\\ [0]\n"
                            "  F Docs [2]\n"
                            "  F docs [1]\n");
    std::vector<FolderFile> docs = f.Files(childNamed(f, 0, "Docs"));
    ASSERT_EQ(docs.size(), 2u);
    EXPECT_EQ(docs[0].Comment, "first");
    EXPECT_EQ(docs[1].Name, "A.txt");
    EXPECT_EQ(l.status.duplicates, 3000u);

    ASSERT_EQ(l.status.problems.size(), 1u);
    const std::string box = ProblemBoxText(l.status.problems[0]);
    EXPECT_NE(box.find("Error 457: This key is already associated with an element "
                       "of this collection (3000 lines"),
              std::string::npos);
    EXPECT_NE(box.find("CorvaneDisk.clsPath.AddFile."), std::string::npos);
}

TEST_F(Browse, DeepFoldersAreBuiltWithoutRecursion)
{
    std::string path = "\\data\\";
    for (int i = 0; i < 100'000; ++i)
        path += "d\\";
    FolderLoad l = loadBody(path + "f.txt>1 Kb/01/01/2020\r\n" + path + "d\\g.txt>1 Kb/01/01/2020\r\n");
    ASSERT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Loaded);
    EXPECT_EQ(l.folders.CountFolder(), 100'002u);
    FolderId node = l.folders.TopLevel()[0];
    while (!l.folders.Children(node).empty())
        node = l.folders.Children(node)[0];
    EXPECT_EQ(names(l.folders, node), (std::vector<std::string>{"g.txt"}));
    EXPECT_EQ(names(l.folders, l.folders.Parent(node)), (std::vector<std::string>{"f.txt"}));
}

// The tree by the plain definition: each folder with files, in the order it
// first occurs, gets its node below its nearest ancestor that has one, after
// the nodes of the ancestors missing on the way.
std::string plainTree(std::string_view rootKey, const std::vector<std::string>& lineFolders)
{
    struct Node {
        std::string key;
        int parent;
        std::vector<int> children;
        int files = 0;
    };
    std::vector<Node> nodes{{std::string(rootKey), -1, {}}};
    std::vector<int> top{0};
    std::map<std::string, int, std::less<>> ids{{std::string(rootKey), 0}};
    std::vector<std::string> order;
    std::map<std::string, int> files;
    for (const std::string& f : lineFolders)
        if (files[f]++ == 0)
            order.push_back(f);
    for (const std::string& f : order) {
        if (ids.contains(f))
            continue;
        std::vector<std::string> chain{f};
        int parent = -1;
        for (std::string_view up = ParentFolderKey(f); !up.empty(); up = ParentFolderKey(up)) {
            if (auto found = ids.find(up); found != ids.end()) {
                parent = found->second;
                break;
            }
            chain.emplace_back(up);
        }
        for (auto k = chain.rbegin(); k != chain.rend(); ++k) {
            const int id = int(nodes.size());
            nodes.push_back({*k, parent, {}});
            ids.emplace(*k, id);
            (parent < 0 ? top : nodes[std::size_t(parent)].children).push_back(id);
            parent = id;
        }
    }
    for (auto& [key, count] : files)
        nodes[std::size_t(ids.at(key))].files = count;
    std::string out;
    auto walk = [&](auto&& self, int id, int depth) -> void {
        const Node& n = nodes[std::size_t(id)];
        const std::string text = n.key == "\\" ? "/" : std::string(id == 0 ? n.key : LastPath(n.key));
        out += std::string(std::size_t(depth) * 2, ' ') +
               "RFT"[id == 0        ? 0
                     : n.parent < 0 ? 2
                                    : 1] +
               " " + text + " [" + std::to_string(n.files) + "]\n";
        for (int c : n.children)
            self(self, c, depth + 1);
    };
    for (int id : top)
        walk(walk, id, 0);
    return out;
}

TEST_F(Browse, TreeAgreesWithThePlainDefinition)
{
    // Folders in and out of the root, met in random orders and again later.
    std::mt19937 random(11);
    const std::vector<std::string> bases = {"\\data\\", "\\data\\a\\", "\\", "\\home\\", "C:\\"};
    for (int catalog = 0; catalog < 200; ++catalog) {
        std::string body;
        std::vector<std::string> folders;
        for (int line = 0; line < 40; ++line) {
            std::string folder = bases[random() % bases.size()];
            for (std::size_t depth = random() % 4; depth > 0; --depth)
                folder += std::string(1, char('a' + random() % 3)) + "\\";
            if (folder == "\\data\\" && line % 2) // the root is not a file's folder in every catalog
                continue;
            folders.push_back(folder);
            body += folder + "f" + std::to_string(line) + ".txt>1 Kb/01/01/2020\r\n";
        }
        FolderLoad l = loadBody(body);
        ASSERT_EQ(treeImage(l.folders), plainTree("\\data\\", folders)) << body;
    }
}

TEST_F(Browse, FilesThatAreNoCatalogFailWithAReason)
{
    std::string fifo = lib.file("dat/fifo.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    struct Case {
        std::string path;
        int number;
    };
    for (const Case& c : {
             Case{lib.file("dat/missing.dat"), ErrFileNotFound},
             Case{lib.catalog("empty.dat", ""), ErrInvalidFileFormat},
             Case{lib.catalog("short.dat", ">Fixed\r\n>Serial 1\r\n>Volume V\r\n"), ErrInvalidFileFormat},
             Case{lib.catalog("junk.dat", std::string("\x7f"
                                                      "ELF\x02\x01\x01\0\0\0>\n>\n",
                                                      14) +
                                              std::string(5000, '\xee')),
                  ErrInvalidFileFormat},
             Case{fifo, ErrInvalidFileFormat},
             Case{lib.file("dat"), ErrInvalidFileFormat},
         }) {
        FolderLoad l = load(c.path);
        EXPECT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Failed) << c.path;
        ASSERT_EQ(l.status.problems.size(), 1u) << c.path;
        EXPECT_EQ(l.status.problems[0].errorNumber, c.number) << c.path;
        EXPECT_EQ(l.status.problems[0].item, c.path);
        EXPECT_EQ(l.folders.CountFolder(), 0u);
        EXPECT_TRUE(l.folders.TopLevel().empty());
    }
    const std::string box = ProblemBoxText(load(lib.file("dat/short.dat")).status.problems.at(0));
    EXPECT_NE(box.find("the header ends after 3 of 11 lines"), std::string::npos);
    EXPECT_NE(box.find("CorvaneDisk.frmLib.FileDatToCollection."), std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty()); // the load itself shows nothing
}

TEST_F(Browse, AHugeFileThatIsNoCatalogIsRefusedByItsStart)
{
    // Two gigabytes, sparse: zero bytes from the start, or after two header
    // lines; the refusal must not wait for the rest.
    for (std::string_view start : {"", ">Fixed\r\n>Serial 1\r\n"}) {
        const std::string path = lib.catalog("huge.dat", start);
        ASSERT_EQ(::truncate(path.c_str(), off_t(2) << 30), 0);
        const std::uint64_t before = BytesReadSoFar();
        FolderLoad l = load(path);
        EXPECT_LT(BytesReadSoFar() - before, std::uint64_t(64) << 20);
        ASSERT_EQ(l.status.problems.size(), 1u);
        EXPECT_EQ(l.status.problems[0].errorNumber, ErrInvalidFileFormat);
        EXPECT_NE(l.status.problems[0].text.find(start.empty() ? "line 1 " : "line 3 "), std::string::npos)
            << l.status.problems[0].text;
    }
}

TEST_F(Browse, ProgressAndStop)
{
    std::string body;
    for (int i = 0; i < 60'000; ++i)
        body += "\\data\\f" + std::to_string(i % 50) + "\\file" + std::to_string(i) + ".txt>1 Kb/01/01/2020\r\n";
    const std::string path = lib.catalog("big.dat", std::string(kTestHeader) + body);

    FolderLoadControl control;
    std::vector<int> seen;
    control.onProgress = [&](int percent) { seen.push_back(percent); };
    FolderLoad l = LoadCatalogFolders(path, control);
    EXPECT_EQ(l.folders.CountFile(), 60'000u);
    ASSERT_FALSE(seen.empty());
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    EXPECT_EQ(std::adjacent_find(seen.begin(), seen.end()), seen.end());
    EXPECT_EQ(seen.back(), 100);

    FolderLoadControl stopping;
    stopping.onProgress = [&](int percent) {
        if (percent > 50)
            stopping.Stop = true;
    };
    l = LoadCatalogFolders(path, stopping);
    EXPECT_EQ(l.status.outcome, FolderLoadStatus::Outcome::Stopped);
    EXPECT_EQ(l.folders.CountFolder(), 0u);
    EXPECT_TRUE(l.status.problems.empty());
}

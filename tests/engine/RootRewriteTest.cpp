#include "engine/catalog/CatalogHeader.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/scan/CatalogScan.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {
constexpr const char* Ete = "\xC3\xA9t\xC3\xA9"; // "été" in UTF-8, as a Linux folder is named
constexpr const char* Omega = "\xCE\xA9";        // no Windows-1252 character

std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> out;
    for (std::size_t p = 0, e; p < text.size(); p = e + 2) {
        e = text.find("\r\n", p);
        out.emplace_back(text.substr(p, e - p));
    }
    return out;
}

// What a root change from oldRoot to newRoot must write: line 6 the new
// folder's bytes, body lines under the old root those bytes and their own
// bytes after it, every other line as it was.
std::string moved(std::string_view text, std::string_view oldRoot, std::string_view newRoot)
{
    std::string out;
    const std::vector<std::string> all = lines(text);
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (i == std::size_t(HeaderLine::RootDir) - 1)
            out += MakeHeaderLine(HeaderLine::RootDir, newRoot.substr(0, newRoot.size() - 1));
        else if (i >= std::size_t(HeaderLineCount) && all[i].starts_with(oldRoot))
            out += std::string(newRoot) + all[i].substr(oldRoot.size());
        else
            out += all[i];
        out += "\r\n";
    }
    return out;
}

class RootRewrite : public ::testing::Test {
protected:
    // Scans diskFolder into dat/name.
    void scan(const std::string& name)
    {
        ScanSession session;
        ScanOptions options;
        options.RootDir = lib.file(diskFolder);
        options.FilePatterns = "*.*";
        options.RecursiveDir = true;
        CreateCatalog(options, session);
        ASSERT_TRUE(SaveFile(session.lines, lib.file("dat/" + name), session.problems));
    }
    // The root as the properties dialog passes it: read from the header, with its "\".
    std::string shownRoot(const std::string& name) const
    {
        return ReadCatalogHeader(lib.file("dat/" + name)).header.RootDir + "\\";
    }
    // Moves diskFolder to folder and the catalog's root after it.
    RootChange moveDisk(const std::string& name, const std::string& folder)
    {
        const std::string from = shownRoot(name);
        std::filesystem::rename(lib.file(diskFolder), lib.file(folder));
        diskFolder = folder;
        return ChangeRoot(name, from, ToCatalogPath(lib.file(folder)) + "\\", problems);
    }
    // Each entry's path, as the actions take it, names a file on disk.
    void expectEveryEntryNamesItsFile(const std::string& name) const
    {
        const std::vector<std::string> all = lines(lib.catalogText(name));
        std::size_t entries = 0;
        for (std::size_t i = HeaderLineCount; i < all.size(); ++i) {
            const BodyLine entry = ParseBodyLine(all[i]);
            EXPECT_TRUE(std::filesystem::exists(FromCatalogPath(entry.path).path)) << all[i];
            ++entries;
        }
        EXPECT_GT(entries, 0u);
    }
    TempLibrary lib;
    RecordingPrompter prompter;
    Problems problems = ProblemsShownBy(prompter);
    std::string diskFolder = "disk";
};
} // namespace

// A Linux disk with a legacy name beside its UTF-8 twin, in a folder whose
// own name is UTF-8 (the legacy name's line reads as Windows-1252, the root's
// bytes stay UTF-8): beside the legacy name a new root beyond ASCII would
// read as another folder, and no other bytes name it. The root change is
// refused whole; a plain ASCII root moves every line, the legacy one too.
TEST_F(RootRewrite, LegacyNamesRefuseARootBeyondAsciiAndMoveToAPlainOne)
{
    diskFolder = Ete;
    lib.write(diskFolder + "/R\xE9sum\xE9.doc", "latin-1");
    lib.write(diskFolder + "/R\xC3\xA9sum\xC3\xA9.doc", "its UTF-8 twin");
    lib.write(diskFolder + "/plain.txt", "");
    lib.write(diskFolder + "/sub/caf\xC3\xA9.txt", "");
    scan("legacy.dat");
    const std::string before = lib.catalogText("legacy.dat");
    ASSERT_EQ(lines(before).size(), std::size_t(HeaderLineCount) + 4);

    for (const std::string& folder : {std::string("n") + Ete, std::string(Omega)}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(ChangeRoot("legacy.dat", shownRoot("legacy.dat"), ToCatalogPath(lib.file(folder)) + "\\", problems),
                  RootChange::Refused);
        EXPECT_EQ(lib.catalogText("legacy.dat"), before);
        EXPECT_EQ(lib.filesInLibrary(), 1u);
    }

    const std::string oldRoot = shownRoot("legacy.dat");
    ASSERT_EQ(moveDisk("legacy.dat", "moved"), RootChange::Written);
    EXPECT_EQ(lib.catalogText("legacy.dat"), moved(before, oldRoot, ToCatalogPath(lib.file("moved")) + "\\"));
    expectEveryEntryNamesItsFile("legacy.dat");
    EXPECT_TRUE(prompter.boxes.empty());
}

// A catalog that holds a non-UTF-8 line outside its names (a volume label a
// FAT stick gave in Latin-1): lines of plain and UTF-8 names take the new
// folder's bytes as they are, header line 6 too, and stay UTF-8; a comment
// the code page held beside a plain name follows it into UTF-8.
TEST_F(RootRewrite, AFolderBeyondAsciiIsWrittenAsItsOwnBytes)
{
    lib.write("disk/plain.txt", "");
    lib.write("disk/caf\xC3\xA9.txt", "");
    lib.write("disk/sub/\xE6\x97\xA5.txt", "");
    scan("label.dat");
    std::vector<std::string> header = lines(lib.catalogText("label.dat"));
    std::string text;
    for (std::size_t i = 0; i < header.size(); ++i)
        text += (i == std::size_t(HeaderLine::Volume) - 1 ? ">Volume PHOTOS \xC9T\xC9" : header[i]) + "\r\n";
    lib.catalog("label.dat", text);
    std::string key;
    for (const std::string& line : lines(text))
        if (line.find("\\plain.txt>") != std::string::npos)
            key = ParseBodyLine(line).key();
    ASSERT_EQ(ChangeComment("label.dat", key, Ete, problems), CommentChange::Written);
    ASSERT_NE(lib.catalogText("label.dat").find(key + ">\xE9t\xE9<\r\n"), std::string::npos);

    for (const char* folder : {Ete, Omega}) {
        SCOPED_TRACE(folder);
        const std::string before = lib.catalogText("label.dat");
        const std::string oldRoot = shownRoot("label.dat");
        const std::string newRoot = ToCatalogPath(lib.file(folder)) + "\\";
        ASSERT_EQ(moveDisk("label.dat", folder), RootChange::Written);
        std::string expected = moved(before, oldRoot, newRoot);
        const std::string latinComment = ">\xE9t\xE9<";
        if (const std::size_t at = expected.find(latinComment); at != std::string::npos)
            expected.replace(at, latinComment.size(), std::string(">") + Ete + "<");
        EXPECT_EQ(lib.catalogText("label.dat"), expected);
        EXPECT_NE(expected.find(">Root Dir " + newRoot.substr(0, newRoot.size() - 1) + "\r\n"), std::string::npos);
        EXPECT_NE(expected.find(newRoot + "plain.txt>0 Kb/"), std::string::npos);
        expectEveryEntryNamesItsFile("label.dat");
    }
    EXPECT_NE(lib.catalogText("label.dat").find(">" + std::string(Ete) + "<\r\n"), std::string::npos);
    EXPECT_TRUE(prompter.boxes.empty());
}

// A comment only moves with its name: a legacy name that also bears a
// Windows-1252 comment still refuses, and a line the root does not hold
// stays as it was.
TEST_F(RootRewrite, ALegacyNameRefusesWhateverItsCommentAndOtherRootsStay)
{
    const std::string body = "\\d\\R\xE9sum\xE9.doc>1 Kb/01/01/2001>d\xE9j\xE0<\r\n"
                             "\\other\\na\xEFve.txt>1 Kb/01/01/2001\r\n"
                             "\\d\\a.txt>1 Kb/01/01/2001>d\xE9j\xE0<\r\n";
    const std::string header = std::string(kTestHeader).replace(kTestHeader.find("\\data"), 5, "\\d");
    lib.catalog("c.dat", header + body);
    EXPECT_EQ(ChangeRoot("c.dat", "\\d\\", std::string("\\") + Ete + "\\", problems), RootChange::Refused);
    EXPECT_EQ(lib.catalogText("c.dat"), header + body);

    lib.catalog("c.dat", header + body.substr(body.find("\\other")));
    EXPECT_EQ(ChangeRoot("c.dat", "\\d\\", std::string("\\") + Ete + "\\", problems), RootChange::Written);
    std::string expected = header;
    expected.replace(expected.find(">Root Dir \\d"), 12, std::string(">Root Dir \\") + Ete);
    EXPECT_EQ(lib.catalogText("c.dat"), expected + "\\other\\na\xEFve.txt>1 Kb/01/01/2001\r\n" + "\\" + Ete +
                                            "\\a.txt>1 Kb/01/01/2001>d\xC3\xA9j\xC3\xA0<\r\n");
    EXPECT_TRUE(prompter.boxes.empty());
}

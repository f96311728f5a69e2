#include "engine/catalog/CatalogHeader.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
void setModified(const std::string& path, std::time_t when)
{
    timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, 0);
}
} // namespace

TEST(CatalogHeader, FieldsFromTheirPositionsAndTheFilesOwnDate)
{
    TempLibrary lib;
    RecordingPrompter prompter;
    std::string path =
        lib.catalog("a.dat", ">Cd-Rom\r\n>Serial 1A2B\r\n>Volume MY DISK\r\n>Free 512 MB\r\n"
                             ">Total 1024 MB\r\n>Root Dir \\media\\cd\\\r\n>Recursive Dir True\r\n"
                             ">Search zip content False\r\n>Enable comment True\r\n>Search *.txt;*.doc\r\n"
                             ">Comment two\x01lines\r\n\\media\\cd\\a.txt>1 Kb/01/01/2001\r\n");
    setModified(path, 946683000); // 1999-12-31 23:30:00 UTC; the tests run with TZ=UTC
    const HeaderReading r = ReadCatalogHeader(path);
    EXPECT_EQ(r.status, HeaderStatus::Ok);
    const CatalogHeader& h = r.header;
    EXPECT_EQ(h.FileDate, "31/12/1999 23:30:00");
    EXPECT_EQ(h.DriveType, "Cd-Rom");
    EXPECT_EQ(h.Serial, "1A2B");
    EXPECT_EQ(h.Volume, "MY DISK");
    EXPECT_EQ(h.Free, "512 MB");
    EXPECT_EQ(h.Total, "1024 MB");
    EXPECT_EQ(h.RootDir, "\\media\\cd");
    EXPECT_TRUE(h.RecursiveDir);
    EXPECT_FALSE(h.SearchZipContent);
    EXPECT_TRUE(h.EnableComment);
    EXPECT_EQ(h.Search, "*.txt;*.doc");
    EXPECT_EQ(h.Comment, "two\x01lines");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(CatalogHeader, LabelsAreNotComparedFlagsAreExact)
{
    TempLibrary lib;
    RecordingPrompter prompter;
    // A Windows-made header: Windows-1252 bytes, another label on line 2,
    // flags in the wrong case, line 11 as a running scan leaves it.
    std::string path = lib.catalog("old.dat", ">Fixed\r\n>SERIAL 77\r\n>Volume Caf\xE9\r\n>Free 1 MB\r\n>Total 2 MB\r\n"
                                              ">Root Dir \\\r\n>Recursive Dir true\r\n>Search zip content True \r\n"
                                              ">Enable comment\r\n>Search *.*\r\n>\r\n");
    const HeaderReading r = ReadCatalogHeader(path);
    EXPECT_EQ(r.status, HeaderStatus::Ok);
    const CatalogHeader& h = r.header;
    EXPECT_EQ(h.Serial, "77");
    EXPECT_EQ(h.Volume, "Caf\xC3\xA9");
    EXPECT_EQ(h.RootDir, "\\"); // the root folder itself keeps its "\"
    EXPECT_FALSE(h.RecursiveDir);
    EXPECT_FALSE(h.SearchZipContent);
    EXPECT_FALSE(h.EnableComment);
    EXPECT_EQ(h.Comment, "");
    EXPECT_TRUE(prompter.boxes.empty());
}

TEST(CatalogHeader, MissingOrBrokenFilesSayWhyWithoutABox)
{
    TempLibrary lib;
    const std::pair<std::string, std::string> cases[] = {
        {lib.file("dat/missing.dat"), "File not found"},
        {lib.catalog("empty.dat", ""), "the file is empty"},
        {lib.catalog("one.dat", ">Fixed\r\n"), "the header ends after 1 of 11 lines"},
        {lib.catalog("text.dat", ">Fixed\r\nsome notes\r\n"), "line 2 is no header line"},
        {lib.file("dat"), "not a regular file"},
    };
    for (const auto& [path, message] : cases) {
        RecordingPrompter prompter;
        const HeaderReading r = ReadCatalogHeader(path);
        EXPECT_NE(r.status, HeaderStatus::Ok) << path;
        EXPECT_NE(r.problem.find(message), std::string::npos) << r.problem;
        EXPECT_TRUE(prompter.boxes.empty()) << path;
    }
}

TEST(CatalogHeader, ListsReadBrokenFilesWithoutABox)
{
    TempLibrary lib;
    RecordingPrompter prompter;
    HeaderReading one = ReadCatalogHeader(lib.catalog("one.dat", ">Removable\r\n"));
    EXPECT_EQ(one.status, HeaderStatus::NotACatalog);
    EXPECT_EQ(one.header.DriveType, "Removable");
    EXPECT_FALSE(one.header.FileDate.empty());
    EXPECT_NE(one.problem.find("the header ends after 1 of 11 lines"), std::string::npos);

    HeaderReading text = ReadCatalogHeader(lib.catalog("text.dat", ">Fixed\r\n>Serial 9\r\nnotes\r\n"));
    EXPECT_EQ(text.status, HeaderStatus::NotACatalog);
    EXPECT_EQ(text.header.Serial, "9");
    EXPECT_EQ(ReadCatalogHeader(lib.catalog("empty.dat", "")).status, HeaderStatus::NotACatalog);
    HeaderReading missing = ReadCatalogHeader(lib.file("dat/missing.dat"));
    EXPECT_EQ(missing.status, HeaderStatus::Unreadable);
    EXPECT_EQ(missing.errorNumber, 53);
    EXPECT_TRUE(prompter.boxes.empty());

    // Each line in its own encoding: a Windows-1252 label beside a UTF-8 root.
    HeaderReading mixed = ReadCatalogHeader(lib.catalog(
        "mixed.dat", ">Fixed\r\n>Serial 1\r\n>Volume Caf\xE9\r\n>Free 1 MB\r\n>Total 2 MB\r\n"
                     ">Root Dir \\home\\\xC3\xA9t\xC3\xA9\r\n>Recursive Dir True\r\n>Search zip content True\r\n"
                     ">Enable comment True\r\n>Search *.*\r\n>Comment \r\n"));
    EXPECT_EQ(mixed.status, HeaderStatus::Ok);
    EXPECT_EQ(mixed.header.Volume, "Caf\xC3\xA9");
    EXPECT_EQ(mixed.header.RootDir, "\\home\\\xC3\xA9t\xC3\xA9");
}

#include "engine/report/HtmlText.h"
#include "engine/scan/CatalogScan.h"
#include "engine/search/LibrarySearch.h"
#include "engine/report/ReportFiles.h"
#include "engine/report/ReportOptions.h"
#include "engine/report/Reports.h"
#include "platform/prompter/ErrorBox.h"
#include "platform/text/Encoding.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/RecordingShell.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace {
const std::string kBody = "\\data\\a&b 'q'.txt>12 Kb/01/02/2003\r\n"
                          "\\data\\pack.zip/docs\\readme.txt>3 Kb/31/12/1999>"
                          "Found in zipfile :pack.zip<\r\n";

const ReportCaptions kCaptions = {"Catalog report", {"Name", "Folder", "Size", "Date", "Disk", "Comment"}};

class Reports : public ::testing::Test {
protected:
    void SetUp() override { lib.catalog("Backup.dat", std::string(kTestHeader) + kBody); }

    ReportOptions settings;

    CmdLineOptions batch(bool html, std::string_view letters)
    {
        CmdLineOptions o;
        o.Valid = true;
        o.Request = BatchRequest::Report;
        o.Name = "Backup.dat";
        o.StyleHTML = html;
        for (char c : letters) {
            o.IncludeFile |= c == 'f';
            o.IncludeDir |= c == 'r';
            o.IncludeSize |= c == 's';
            o.IncludeDate |= c == 'd';
            o.IncludeDisk |= c == 'i';
            o.IncludeComment |= c == 'c';
        }
        return o;
    }

    void setFlags(int file, int dir, int size, int date, int disk, int comment)
    {
        ReportOptions& r = settings;
        r.IncludeFile = file;
        r.IncludeDir = dir;
        r.IncludeSize = size;
        r.IncludeDate = date;
        r.IncludeDisk = disk;
        r.IncludeComment = comment;
    }

    // Runs the batch report and returns what it wrote.
    std::string batchReport(const CmdLineOptions& o)
    {
        EXPECT_TRUE(CreateReport(o, problems));
        return lib.report(LibraryReportPath(o.Name, o.StyleHTML).substr(lib.file("reports/").size()));
    }

    // The batch text report of catalog with the File and Comment columns, "|" between.
    std::string fileAndComment(const std::string& catalog)
    {
        CmdLineOptions o = batch(false, "fc");
        o.Name = catalog;
        o.ColumnSeparator = "|";
        return batchReport(o);
    }

    std::size_t reportCount() const
    {
        return std::size_t(std::distance(std::filesystem::directory_iterator(lib.file("reports")),
                                         std::filesystem::directory_iterator()));
    }

    // The library report as the library list writes it: what the shell is to open.
    std::optional<std::string> libReport(const std::string& catalog)
    {
        return WriteLibReport(settings, catalog, kCaptions, problems);
    }

    TempLibrary lib;
    RecordingPrompter prompter;
    RecordingShell shell;
    // Shown as the windows and the batch mode show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST(HtmlText, EscapesWhereverTheCharacterStands)
{
    for (std::size_t at = 0; at < 20; ++at)
        for (char c : std::string("&<>\"'")) {
            std::string text(20, 'a');
            text[at] = c;
            std::string out = "x";
            AppendHtmlText(out, text);
            std::string entity = c == '&'   ? "&amp;"
                                 : c == '<' ? "&lt;"
                                 : c == '>' ? "&gt;"
                                 : c == '"' ? "&quot;"
                                            : "&#39;";
            EXPECT_EQ(out, "x" + std::string(at, 'a') + entity + std::string(19 - at, 'a'));
        }
    std::string out;
    AppendHtmlText(out, "caf\xC3\xA9 \x01 plain");
    EXPECT_EQ(out, "caf\xC3\xA9 \x01 plain");
}

TEST_F(Reports, TextReportBytes)
{
    CmdLineOptions o = batch(false, "frsdic");
    o.ColumnSeparator = ";";
    EXPECT_EQ(batchReport(o), "File;Directory;Size;Date;DiskID;Comment;\r\n"
                              "a&b 'q'.txt;\\data\\;12 Kb;01/02/2003;Backup.dat;;\r\n"
                              "docs\\readme.txt;\\data\\pack.zip;3 Kb;31/12/1999;Backup.dat;"
                              "Found in zipfile :pack.zip;\r\n"
                              "\r\n");
    EXPECT_TRUE(prompter.boxes.empty());
    EXPECT_TRUE(shell.opened.empty()); // the batch report opens nothing
}

TEST_F(Reports, LibraryReportHtmlAndWhatToOpen)
{
    setFlags(1, 0, 1, 0, 0, 1);
    ReportOptions& r = settings;
    r.HeaderBackColor = 0xC0FFC0;
    r.HeaderTextColor = 0x0000FF; // red
    r.FieldTextColor = 0x800000;  // dark blue
    const std::optional<std::string> target = libReport("Backup.dat");
    const std::string th = "<TH><font color='#FF0000' face='Arial, Helvetica, sans-serif' "
                           "size='2'><CENTER>&nbsp;";
    const std::string td = "<TD><font color='#000080' face='Arial, Helvetica, sans-serif' "
                           "size='2'><CENTER>&nbsp;";
    const std::string tdEnd = "&nbsp;</CENTER></font></TD>\r\n";
    EXPECT_EQ(lib.report("Lib_Backup.html"),
              "<HTML><HEAD><META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=UTF-8'>"
              "</HEAD><BODY><CENTER>"
              "<H2><font color='#FF0000' face='Arial, Helvetica, sans-serif'>Catalog report"
              "</font></H2><BR>"
              "<TABLE BGCOLOR='#FFFFFF' BORDER='1' WIDTH=100%>"
              "<TR BGCOLOR='#C0FFC0'>" +
                  th + "Name&nbsp;</CENTER></font></TH>" + th + "Size&nbsp;</CENTER></font></TH>" + th +
                  "Comment&nbsp;</CENTER></font></TH>"
                  "</TR>"
                  "<TR>\r\n" +
                  td + "a&amp;b &#39;q&#39;.txt" + tdEnd + td + "12 Kb" + tdEnd + td + tdEnd +
                  "</TR>\r\n"
                  "<TR>\r\n" +
                  td + "docs\\readme.txt" + tdEnd + td + "3 Kb" + tdEnd + td + "Found in zipfile :pack.zip" + tdEnd +
                  "</TR>\r\n"
                  "</TABLE></CENTER></HTML></BODY>\r\n");
    std::string abs = std::filesystem::absolute(lib.file("reports/Lib_Backup.html")).string();
    EXPECT_EQ(target, "file://" + abs);
    EXPECT_TRUE(shell.opened.empty()); // the library list opens it

    settings.StyleHTML = false;
    EXPECT_EQ(libReport("Backup.dat"), lib.file("reports/Lib_Backup.txt"));
}

TEST_F(Reports, ColumnFlagsAndTheirOrder)
{
    // Only the value 1 includes a column in the window reports.
    setFlags(1, 2, 1, 0, 1, -1);
    settings.StyleHTML = false;
    settings.ColumnSeparator = ",";
    ASSERT_TRUE(libReport("Backup.dat").has_value());
    EXPECT_EQ(lib.report("Lib_Backup.txt"), "Name,Size,Disk,\r\na&b 'q'.txt,12 Kb,Backup.dat,\r\n"
                                            "docs\\readme.txt,3 Kb,Backup.dat,\r\n\r\n");

    setFlags(0, 0, 0, 0, 0, 0);
    ASSERT_TRUE(libReport("Backup.dat").has_value());
    EXPECT_EQ(lib.report("Lib_Backup.txt"), "\r\n\r\n\r\n\r\n");
    settings.StyleHTML = true;
    ASSERT_TRUE(libReport("Backup.dat").has_value());
    EXPECT_TRUE(lib.report("Lib_Backup.html")
                    .ends_with("<TR BGCOLOR='#FFFFFF'></TR><TR>\r\n</TR>\r\n<TR>\r\n</TR>\r\n"
                               "</TABLE></CENTER></HTML></BODY>\r\n"));

    // The batch report keeps the column order whatever the order of its letters.
    EXPECT_TRUE(batchReport(batch(false, "cf")).starts_with("File,Comment,\r\na&b 'q'.txt,,\r\n"));
}

TEST_F(Reports, ColoursBorderAndTitleOfBothKinds)
{
    EXPECT_EQ(HtmlColor(255), "FF0000");
    EXPECT_EQ(HtmlColor(16777215), "FFFFFF");
    EXPECT_EQ(HtmlColor(0), "000000");
    EXPECT_EQ(HtmlColor(0x123456), "563412");
    EXPECT_THROW(HtmlColor(0x1000000), AppError);
    EXPECT_THROW(HtmlColor(-2147483643), AppError); // a system colour

    settings.Border = 0;
    settings.FieldBackColor = 0x00FF00;
    ASSERT_TRUE(libReport("Backup.dat").has_value());
    EXPECT_NE(lib.report("Lib_Backup.html").find("<TABLE BGCOLOR='#00FF00' BORDER='0' WIDTH=100%>"), std::string::npos);
    settings.Border = 7;
    ASSERT_TRUE(libReport("Backup.dat").has_value());
    EXPECT_NE(lib.report("Lib_Backup.html").find("BORDER='1' WIDTH"), std::string::npos);

    // Batch colours are written as typed, after the literal "#".
    CmdLineOptions o = batch(true, "f");
    o.HeaderBackColor = "c0ffc0";
    o.HeaderTextColor = "#123456";
    o.Border = true;
    std::string html = batchReport(o);
    EXPECT_NE(html.find("<H2><font color='#FF0000' face='Arial, Helvetica, sans-serif'>Report"
                        "</font></H2><BR><TABLE BGCOLOR='#FFFFFF' BORDER='1' WIDTH=100%>"
                        "<TR BGCOLOR='#c0ffc0'><TH><font color='##123456' face='Arial, "
                        "Helvetica, sans-serif' size='2'><CENTER>&nbsp;File&nbsp;</CENTER>"
                        "</font></TH></TR>"),
              std::string::npos);

    // A colour that does not fit stops the window report before anything is written.
    settings.HeaderTextColor = -1;
    std::filesystem::remove(lib.file("reports/Lib_Backup.html"));
    EXPECT_FALSE(libReport("Backup.dat").has_value());
    EXPECT_FALSE(std::filesystem::exists(lib.file("reports/Lib_Backup.html")));
    ASSERT_EQ(problems.list.size(), 1u);
    EXPECT_EQ(problems.list[0].procedure, "PrintLib");
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_NE(prompter.boxes[0].text.find("in CorvaneDisk.frmCorvaneDisk.PrintLib."), std::string::npos);
}

// Comments read as the search and the browser read them: all after the
// second ">", less the closing "<". Only lines that are no entries can
// continue a comment broken over lines; an entry line is always a row.
TEST_F(Reports, CommentsHoldingMarksOrBrokenOverLinesKeepEveryRow)
{
    lib.catalog("Odd.dat", std::string(kTestHeader) +
                               "\\data\\two.txt>1 Kb/01/01/2001>first\r\nsecond<\r\n"
                               "\r\n"
                               "\\data\\gt.txt>1 Kb/01/01/2001>a>b<\r\n"
                               "\\data\\c.txt>1 Kb/01/01/2001\r\n"
                               "\\data\\d.txt>2 Kb/01/01/2001>x<\r\n"
                               "\\data\\e.htm>0 Kb/01/01/2001><\r\n"
                               "\\data\\lt.txt>1 Kb/01/01/2001>1 < 2<\r\n"
                               "\\data\\three.txt>1 Kb/01/01/2001>one\ntwo\nthree<\r\n"
                               "\\data\\unclosed.txt>1 Kb/01/01/2001>no end\r\n"
                               "\\data\\after.txt>1 Kb/01/01/2001\r\n"
                               "\\data\\pack.zip/docs\\>0 Kb/01/01/2001>Found in zipfile :pack.zip<\r\n"
                               "\\data\\z.txt>1 Kb/01/01/2001>open");
    EXPECT_EQ(fileAndComment("Odd.dat"), "File|Comment|\r\n"
                                         "two.txt|firstsecond|\r\n"
                                         "gt.txt|a>b|\r\n"
                                         "c.txt||\r\n"
                                         "d.txt|x|\r\n"
                                         "e.htm||\r\n"
                                         "lt.txt|1 < 2|\r\n"
                                         "three.txt|onetwothree|\r\n"
                                         "unclosed.txt|no end|\r\n"
                                         "after.txt||\r\n"
                                         "docs\\|Found in zipfile :pack.zip|\r\n"
                                         "z.txt|open|\r\n"
                                         "\r\n");
}

// A catalog made by the Windows program: every entry is a row, in both kinds
// of report, the comment with its ">" among them.
TEST_F(Reports, EveryEntryOfAWindowsCatalogIsARow)
{
    lib.catalog("Legacy.dat", ReadFileBytes(CORVANE_FIXTURES "/catalogs/windows1252.dat"));
    EXPECT_EQ(fileAndComment("Legacy.dat"), "File|Comment|\r\n"
                                            "r\xC3\xA9sum\xC3\xA9.doc||\r\n"
                                            "plage.jpg|Vacances \xC3\xA0 la mer\x01"
                                            "deuxi\xC3\xA8me ligne|\r\n"
                                            "archive.zip|Photos d'\xC3\xA9t\xC3\xA9|\r\n"
                                            "img\\dune.jpg|Found in zipfile :archive.zip|\r\n"
                                            "img\\|Found in zipfile :archive.zip|\r\n"
                                            "notes.txt|prix > 5 \xE2\x82\xAC|\r\n"
                                            "R\xC3\xA9sum\xC3\xA9.doc||\r\n"
                                            "\r\n");

    setFlags(1, 1, 1, 1, 1, 1);
    ASSERT_TRUE(libReport("Legacy.dat").has_value());
    const std::string page = lib.report("Lib_Legacy.html");
    std::size_t rows = 0;
    for (std::size_t p = 0; (p = page.find("<TR>\r\n", p)) != std::string::npos; ++p)
        ++rows;
    EXPECT_EQ(rows, 7u);
    EXPECT_NE(page.find("&nbsp;prix &gt; 5 \xE2\x82\xAC&nbsp;"), std::string::npos);
    EXPECT_NE(page.find("&nbsp;R\xC3\xA9sum\xC3\xA9.doc&nbsp;"), std::string::npos);
}

TEST_F(Reports, SearchReportRowsOnePieceALineAndEscaped)
{
    setFlags(1, 1, 0, 0, 1, 1);
    std::vector<FindReportRow> rows = {
        {"<script>alert('x')</script>.txt", "\\w\\", "1 Kb", "01/01/2001", "W.dat", "a&b \"c\""},
        {"b.txt", "\\w\\", "2 Kb", "02/01/2001", "W.dat", ""},
    };
    std::optional<std::string> target = WriteFindReport(settings, rows, kCaptions, problems);
    std::string html = lib.report("rep_find.html");
    EXPECT_TRUE(html.starts_with("<HTML>\r\n<HEAD><META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=UTF-8'>"
                                 "</HEAD>\r\n<BODY>\r\n<CENTER>\r\n<H2><font color='#FF0000' face='Arial, Helvetica, "
                                 "sans-serif'>Catalog report</font></H2><BR>\r\n<TABLE BGCOLOR='#FFFFFF' BORDER='1' "
                                 "WIDTH=100%>\r\n<TR BGCOLOR='#FFFFFF'>\r\n<TH>"));
    EXPECT_TRUE(html.ends_with("</TR>\r\n</TABLE>\r\n</CENTER>\r\n</HTML>\r\n</BODY>\r\n\r\n"));
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt;.txt&nbsp;"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;a&amp;b &quot;c&quot;&nbsp;"), std::string::npos);
    // One element a line: no line holds two cells.
    std::size_t cells = 0;
    for (std::size_t p = 0, nl; (nl = html.find("\r\n", p)) != std::string::npos; p = nl + 2) {
        std::string_view line(html.data() + p, nl - p);
        int n = 0;
        for (std::size_t q = 0; (q = line.find("<T", q)) != std::string::npos; ++q)
            n += line.compare(q, 4, "<TH>") == 0 || line.compare(q, 4, "<TD>") == 0;
        EXPECT_LE(n, 1) << line;
        cells += std::size_t(n);
    }
    EXPECT_EQ(cells, 4u + 2 * 4u);
    ASSERT_TRUE(target);
    EXPECT_TRUE(target->starts_with("file:///"));
    EXPECT_TRUE(target->ends_with("/reports/rep_find.html"));
    EXPECT_TRUE(shell.opened.empty()); // its window opens it

    // The text variant keeps the rows' order and text as they are.
    settings.StyleHTML = false;
    target = WriteFindReport(settings, {rows[1], rows[0]}, kCaptions, problems);
    EXPECT_EQ(lib.report("rep_find.txt"), "Name;Folder;Disk;Comment;\r\nb.txt;\\w\\;W.dat;;\r\n"
                                          "<script>alert('x')</script>.txt;\\w\\;W.dat;a&b \"c\";\r\n\r\n");
    EXPECT_EQ(target, lib.file("reports/rep_find.txt"));
}

TEST_F(Reports, HtmlPagesAndTextReportsAreUtf8)
{
    lib.catalog("Caf\xC3\xA9.dat", std::string(kTestHeader) + "\\data\\caf\xE9.txt>1 Kb/01/01/2001\r\n");
    CmdLineOptions o = batch(true, "fi");
    o.Name = "Caf\xC3\xA9.dat";
    std::string html = batchReport(o);
    EXPECT_NE(html.find("charset=UTF-8"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;caf\xC3\xA9.txt&nbsp;"), std::string::npos);
    EXPECT_NE(html.find("&nbsp;Caf\xC3\xA9.dat&nbsp;"), std::string::npos);
    o.StyleHTML = false;
    EXPECT_EQ(batchReport(o), "File,DiskID,\r\ncaf\xC3\xA9.txt,Caf\xC3\xA9.dat,\r\n\r\n");
}

TEST_F(Reports, ReportNamesAndTargets)
{
    EXPECT_EQ(LibraryReportPath("my.disk.dat", true), lib.file("reports/Lib_my.disk.html"));
    EXPECT_EQ(LibraryReportPath("Backup.dat", false), lib.file("reports/Lib_Backup.txt"));
    EXPECT_EQ(FindReportPath(false), lib.file("reports/rep_find.txt"));
    EXPECT_EQ(ReportOpenTarget("/r/Lib_my #1 50%.html", true), "file:///r/Lib_my%20%231%2050%25.html");
    EXPECT_EQ(ReportOpenTarget("/r/Lib_my #1.txt", false), "/r/Lib_my #1.txt");
    EXPECT_THROW(LibraryReportPath("../../etc/x.dat", true), AppError);
}

TEST_F(Reports, BadCatalogsGiveAClearMessageAndNoReport)
{
    lib.catalog("Empty.dat", "");
    lib.catalog("Short.dat", ">Fixed\r\n>Serial 1\r\n>Volume x\r\n");
    lib.catalog("Binary.dat", std::string("\x7f"
                                          "ELF\x02\x01\x01\0\0\0",
                                          10) +
                                  "\n>x\n");
    std::filesystem::create_directory(lib.file("dat/Folder.dat"));
    const std::pair<const char*, const char*> cases[] = {
        {"Missing.dat", "Error 53: File not found"},
        {"Empty.dat", "Error 321: Invalid file format ("},
        {"Short.dat", "the header ends after 3 of 11 lines"},
        {"Binary.dat", "line 1 is no header line"},
        {"Folder.dat", "not a regular file"},
        {"../Backup.dat", "Error 52: Bad file name or number"},
    };
    for (auto [name, message] : cases) {
        prompter.boxes.clear();
        CmdLineOptions o = batch(true, "f");
        o.Name = name;
        EXPECT_FALSE(CreateReport(o, problems)) << name;
        ASSERT_EQ(prompter.boxes.size(), 1u) << name;
        EXPECT_NE(prompter.boxes[0].text.find(message), std::string::npos) << prompter.boxes[0].text;
        EXPECT_NE(prompter.boxes[0].text.find("CreateReport"), std::string::npos);
        EXPECT_EQ(reportCount(), 0u) << name;
    }
    prompter.boxes.clear();
    EXPECT_FALSE(libReport("Missing.dat").has_value());
    ASSERT_EQ(prompter.boxes.size(), 1u);
    EXPECT_TRUE(prompter.boxes[0].text.starts_with("Error 53: File not found (")) << prompter.boxes[0].text;
    EXPECT_NE(prompter.boxes[0].text.find("\r\nin CorvaneDisk.frmCorvaneDisk.PrintLib.\r\n"), std::string::npos);

    // A missing report folder is reported too.
    std::filesystem::remove(lib.file("reports"));
    prompter.boxes.clear();
    EXPECT_FALSE(CreateReport(batch(true, "f"), problems));
    EXPECT_EQ(prompter.boxes.size(), 1u);
}

TEST_F(Reports, AFailedReportComesBackToTheCallerNamedAsItsBoxNamesIt)
{
    Problems quiet; // a caller that shows nothing
    EXPECT_FALSE(WriteLibReport(settings, "Missing.dat", kCaptions, quiet).has_value());
    CmdLineOptions o = batch(true, "f");
    o.Name = "Missing.dat";
    EXPECT_FALSE(CreateReport(o, quiet));
    std::filesystem::remove(lib.file("reports"));
    EXPECT_FALSE(WriteFindReport(settings, {FindReportRow{}}, kCaptions, quiet).has_value());
    EXPECT_TRUE(prompter.boxes.empty()); // the report itself says nothing
    ASSERT_EQ(quiet.list.size(), 3u);
    const char* places[] = {"frmCorvaneDisk.PrintLib", "modMain.CreateReport", "frmFind.PrintFind"};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string box = ProblemBoxText(quiet.list[i]);
        EXPECT_NE(box.find(std::string("\r\nin CorvaneDisk.") + places[i] + ".\r\nThe error occured at line: "),
                  std::string::npos)
            << box;
        EXPECT_GT(quiet.list[i].line, 0u);
    }
    EXPECT_TRUE(ProblemBoxText(quiet.list[0]).starts_with("Error 53: File not found ("));
    EXPECT_EQ(quiet.list[1].item, "Missing.dat");
}

TEST_F(Reports, FailedWriteKeepsTheOldReport)
{
    std::string big;
    for (int i = 0; i < 200; ++i)
        big += "\\data\\file" + std::to_string(i) + ".txt>1 Kb/01/01/2001\r\n";
    lib.catalog("Big.dat", std::string(kTestHeader) + big);
    lib.write("reports/Lib_Big.html", "the old report");
    CmdLineOptions o = batch(true, "frsd");
    o.Name = "Big.dat";

    // A file-size limit makes the write fail half-way, even for root.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8192;
    setrlimit(RLIMIT_FSIZE, &small);
    bool written = CreateReport(o, problems);
    setrlimit(RLIMIT_FSIZE, &old);

    EXPECT_FALSE(written);
    EXPECT_EQ(prompter.boxes.size(), 1u);
    EXPECT_EQ(lib.report("Lib_Big.html"), "the old report");
    EXPECT_EQ(reportCount(), 1u); // no temporary file left behind
}

TEST_F(Reports, EachLineOfAMixedCatalogReadsInItsOwnEncoding)
{
    // A Linux disk with one legacy-encoded name among UTF-8 ones.
    lib.catalog("Mixed.dat", std::string(kTestHeader) + "\\d\\caf\xC3\xA9.txt>1 Kb/01/01/2001\r\n"
                                                        "\\d\\na\xEFve.txt>1 Kb/01/01/2001\r\n");
    CmdLineOptions request = batch(true, "f");
    request.Name = "Mixed.dat";
    ASSERT_TRUE(CreateReport(request, problems));
    const std::string page = lib.report("Lib_Mixed.html");
    EXPECT_NE(page.find("caf\xC3\xA9.txt"), std::string::npos);
    EXPECT_NE(page.find("na\xC3\xAFve.txt"), std::string::npos);
}

// A Linux disk holding a Latin-1 name beside UTF-8 ones, catalogued by a real
// scan into a catalog whose own file name is Latin-1: every text report is
// UTF-8 throughout, each name read as its own catalog line reads and the
// DiskID as a name is, so an editor shows them all.
TEST_F(Reports, TextReportsOfAMixedDiskAreUtf8Throughout)
{
    TempDir disk;
    disk.write("r\xE9sum\xE9.txt", "latin");
    disk.write("caf\xC3\xA9.txt", "utf8");
    disk.write("plain.txt", "ascii");
    const std::string catalog = "M\xE9lange.dat";
    ScanOptions scan;
    scan.RootDir = disk.path();
    scan.FilePatterns = "*.*";
    ScanSession session;
    CreateCatalog(scan, session);
    ASSERT_TRUE(SaveFile(session.lines, lib.file("dat/" + catalog), session.problems));
    ASSERT_NE(lib.catalogText(catalog).find("r\xE9sum\xE9.txt>"), std::string::npos); // stored as named

    const auto holdsEveryName = [](const std::string& report) {
        EXPECT_TRUE(IsValidUtf8(report)) << report;
        EXPECT_NE(report.find("r\xC3\xA9sum\xC3\xA9.txt;"), std::string::npos) << report;
        EXPECT_NE(report.find("caf\xC3\xA9.txt;"), std::string::npos) << report;
        EXPECT_NE(report.find("plain.txt;"), std::string::npos) << report;
        EXPECT_NE(report.find(";M\xC3\xA9lange.dat;"), std::string::npos) << report;
    };
    CmdLineOptions request = batch(false, "fri");
    request.Name = catalog;
    request.ColumnSeparator = ";";
    holdsEveryName(batchReport(request));

    settings.StyleHTML = false;
    setFlags(1, 1, 0, 0, 1, 0);
    ASSERT_TRUE(WriteLibReport(settings, catalog, kCaptions, problems));
    holdsEveryName(lib.report("Lib_M\xE9lange.txt"));

    FindRequest find;
    find.LibraryFolder = lib.file("dat/");
    find.Catalog = catalog;
    find.Expression = "txt";
    FindSession search;
    std::vector<FindReportRow> rows;
    RunFind(find, search, [&](std::vector<FindHit>&& hits) {
        for (FindHit& hit : hits)
            rows.push_back(std::move(hit.Row));
    });
    ASSERT_EQ(rows.size(), 3u);
    ASSERT_TRUE(WriteFindReport(settings, rows, kCaptions, problems));
    holdsEveryName(lib.report("rep_find.txt"));
    EXPECT_TRUE(prompter.boxes.empty());
}

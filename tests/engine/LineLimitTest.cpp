// Every reader and rewrite of a catalog takes lines up to the same length
// and refuses a longer one, wherever it stands, with the same message.

#include "engine/browse/FolderLoad.h"
#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogHeader.h"
#include "engine/report/Reports.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/search/FindWordOnFile.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/RecordingPrompter.h"

#include <gtest/gtest.h>

namespace {
const std::string kTooLong = "a line is too long (over 16 MiB)";
const std::string kBody = "\\data\\a.txt>1 Kb/01/02/2003\r\n";

// What each reader says about the catalog: "" when it took it.
struct Verdicts {
    std::string header, browser, search, report, rewrite;
};

class LineLimit : public ::testing::Test {
protected:
    std::string lastBox()
    {
        std::string text = prompter.boxes.empty() ? "" : prompter.boxes.back().text;
        prompter.boxes.clear();
        return text;
    }

    Verdicts readAll(const std::string& text)
    {
        const std::string path = lib.catalog("c.dat", text);
        Verdicts v;
        v.header = ReadCatalogHeader(path).problem;
        FolderLoadControl control;
        FolderLoad load = LoadCatalogFolders(path, control);
        v.browser = load.status.outcome == FolderLoadStatus::Outcome::Failed ? load.status.problems.at(0).text : "";
        FindSession session;
        FindWordOnFile(path, FindQuery("a", std::nullopt, "*.*"), session, [](std::vector<FindHit>&&) {});
        v.search = session.problems.list.empty() ? "" : ProblemBoxText(session.problems.list.back());
        WriteLibReport(ReportOptions{}, "c.dat", ReportCaptions{}, problems);
        v.report = lastBox();
        ChangeComment("c.dat", "\\data\\a.txt>1 Kb/01/02/2003", "seen", problems);
        v.rewrite = lastBox();
        if (!v.rewrite.empty()) {
            EXPECT_EQ(lib.catalogText("c.dat"), text); // refused: not touched
        }
        return v;
    }

    // The header reader never reads the body.
    void expectAllRefuse(const Verdicts& v, std::string_view where, bool inHeader = true)
    {
        EXPECT_EQ(v.header.find(kTooLong) != std::string::npos, inHeader) << where << ": " << v.header;
        for (const std::string* said : {&v.browser, &v.search, &v.report, &v.rewrite})
            EXPECT_NE(said->find(kTooLong), std::string::npos) << where << ": " << *said;
    }

    TempLibrary lib;
    RecordingPrompter prompter;
    // Shown as the windows show them.
    Problems problems = ProblemsShownBy(prompter);
};
} // namespace

TEST_F(LineLimit, OverLongHeaderOrBodyLineIsRefusedByEveryReader)
{
    const std::string header(kTestHeader);
    const std::string line1 = ">" + std::string(MaxCatalogLineLength, 'x');
    expectAllRefuse(readAll(line1 + header.substr(header.find("\r\n")) + kBody), "line 1");
    std::string root = header;
    root.replace(root.find("\\data"), 5, std::string(MaxCatalogLineLength, 'r'));
    expectAllRefuse(readAll(root + kBody), "root line");
    const std::string prefix = "\\data\\b.txt>1 Kb/01/02/2003>";
    expectAllRefuse(readAll(header + kBody + prefix + std::string(MaxCatalogLineLength - prefix.size(), 'n') + "<\n"),
                    "body line", false);
}

TEST_F(LineLimit, LineAtTheLimitIsTakenByEveryReader)
{
    std::string header(kTestHeader);
    header.replace(header.find(">Comment \r\n"), 11, ">Comment " + std::string(MaxCatalogLineLength - 9, 'c') + "\r\n");
    const std::string prefix = "\\data\\b.txt>1 Kb/01/02/2003>";
    const std::string body = prefix + std::string(MaxCatalogLineLength - prefix.size() - 1, 'n') + "<\n" + kBody;
    const Verdicts v = readAll(header + body);
    for (const std::string* said : {&v.header, &v.browser, &v.search, &v.report, &v.rewrite})
        EXPECT_EQ(*said, "");
    EXPECT_TRUE(lib.catalogText("c.dat").ends_with("\\data\\a.txt>1 Kb/01/02/2003>seen<\r\n"));
}

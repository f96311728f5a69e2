// The documents for skin authors, translators and newcomers list what the
// program's own tables hold. CORVANE_WRITE_DOCS=1 writes the tables anew.

#include "tests/docs/DocBlocks.h"
#include "tests/docs/DocTables.h"
#include "tests/docs/SourceNames.h"

#include "language/BuiltInEnglish.h"
#include "mainwindow/WindowMode.h"
#include "tests/support/TestWorld.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {
const std::string DocsFolder = CORVANE_SOURCE_DIR "/docs/";

std::string readDoc(const std::string& name)
{
    std::ifstream in(DocsFolder + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool rewriting()
{
    const char* v = std::getenv("CORVANE_WRITE_DOCS");
    return v && std::string(v) == "1";
}

// Each named table of the document holds exactly its rows, in their order.
void expectTables(const std::string& doc, const std::vector<std::pair<std::string, DocTable>>& tables)
{
    std::string text = readDoc(doc);
    ASSERT_FALSE(text.empty()) << DocsFolder + doc << " cannot be read";
    for (const auto& [name, expected] : tables) {
        if (rewriting())
            text = ReplaceDocBlock(text, name, expected);
        const auto written = ReadDocBlock(text, name);
        ASSERT_TRUE(written) << doc << " has no table " << name;
        for (const std::string& d : DocBlockDifferences(*written, expected))
            ADD_FAILURE() << doc << ", table " << name << ": " << d;
    }
    if (rewriting())
        std::ofstream(DocsFolder + doc, std::ios::binary) << text;
}

// The rows of the window map below its header, split into cells.
std::vector<std::vector<std::string>> windowMap()
{
    std::vector<std::vector<std::string>> rows;
    if (const auto map = ReadDocBlock(readDoc("architecture.md"), "windows"))
        for (std::size_t i = 2; i < map->size(); ++i)
            rows.push_back(RowCells((*map)[i]));
    return rows;
}

std::string uncoded(const std::string& cell)
{
    const std::vector<std::string> names = CodeNames(cell);
    return names.size() == 1 ? names[0] : cell;
}

class docs : public ::testing::Test {
protected:
    docs() { DefineWindows(world.app); }
    TestWorld world;
};
} // namespace

TEST_F(docs, SkinAndLanguageTablesMatchTheProgram)
{
    expectTables("skins.md", {{"skin-sections", SkinSectionsTable()},
                              {"skin-templates", SkinTemplatesTable(world.skin)},
                              {"skin-controls", SkinControlsTable(world.windows)}});
    LangText english;
    LoadBuiltInEnglish(world.fakes.prompter, english);
    expectTables("languages.md",
                 {{"text-numbers", TextNumbersTable(english)}, {"label-sections", LabelSectionsTable()}});
}

TEST_F(docs, WindowMapNamesEveryWindowWithItsClass)
{
    // Every window a class names itself for and every window the map names
    // is made: the registry's loaded windows, in the order they were defined,
    // are then the rows the map should hold.
    DocTable written;
    std::vector<std::string> names = DeclaredWindowNames(CORVANE_SOURCE_DIR "/");
    for (const std::vector<std::string>& cells : windowMap()) {
        ASSERT_GE(cells.size(), 2u);
        written.push_back("| " + cells[0] + " | " + cells[1] + " |");
        names.push_back(uncoded(cells[0]));
    }
    ASSERT_FALSE(written.empty()) << "architecture.md has no window map";
    for (const std::string& name : names)
        if (world.windows.isDefined(name))
            world.windows.instance(name);
    for (const std::string& d :
         DocBlockDifferences(written, WindowClassRows(world.windows, world.windows.loadedNames())))
        ADD_FAILURE() << "architecture.md, the window map: " << d;
}

TEST_F(docs, WindowMapNamesEngineFunctionsTheWindowsCall)
{
    const std::string source = CORVANE_SOURCE_DIR "/";
    for (const std::vector<std::string>& cells : windowMap()) {
        ASSERT_GE(cells.size(), 5u) << "a row of the window map lacks its engine column";
        const std::string folder = source + uncoded(cells[2]);
        for (const std::string& name : CodeNames(cells[3])) {
            EXPECT_TRUE(HeaderBelowMentionsCall(source + "engine", name)) << name << " is no engine function";
            EXPECT_TRUE(SourceInMentionsCall(folder, name)) << uncoded(cells[2]) << " never calls " << name;
        }
    }
}

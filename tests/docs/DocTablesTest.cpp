// The documents for skin authors, translators and newcomers list what the
// program's own tables hold. CORVANE_WRITE_DOCS=1 writes the tables anew.

#include "tests/docs/DocBlocks.h"
#include "tests/docs/DocTables.h"

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

// The first two cells of a row: the map's window and class.
std::string windowAndClass(const std::string& row)
{
    std::size_t bar = 0;
    for (int i = 0; i < 3 && bar != std::string::npos; ++i)
        bar = row.find('|', bar + (i > 0));
    return bar == std::string::npos ? row : row.substr(0, bar + 1);
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
    LoadBuiltInEnglish(english);
    expectTables("languages.md",
                 {{"text-numbers", TextNumbersTable(english)}, {"label-sections", LabelSectionsTable()}});
}

TEST_F(docs, WindowMapNamesEveryWindowWithItsClass)
{
    const auto map = ReadDocBlock(readDoc("architecture.md"), "windows");
    ASSERT_TRUE(map) << "architecture.md has no table windows";
    DocTable written;
    for (std::size_t i = 2; i < map->size(); ++i) // below the header
        written.push_back(windowAndClass((*map)[i]));
    for (const std::string& d :
         DocBlockDifferences(written, WindowClassRows(world.windows, world.windows.definedNames())))
        ADD_FAILURE() << "architecture.md, the window map: " << d;
}

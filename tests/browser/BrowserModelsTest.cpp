#include "browser/FileListModel.h"
#include "browser/FolderTreeModel.h"
#include "engine/browse/FolderLoad.h"
#include "gui/models/CellText.h"
#include "tests/engine/TempLibrary.h"
#include "tests/support/CheckedModel.h"

#include <gtest/gtest.h>

namespace {
// A root folder of 4 MiB (every line of the catalog holds it) and, beside
// an ordinary file, one whose name and comment are 4 MiB long.
std::shared_ptr<const CatalogFolders> HugeFieldsCatalog(const TempLibrary& lib)
{
    const std::string root = "\\" + std::string(4 << 20, 'r');
    std::string text = ">Fixed\r\n>Serial 1\r\n>Volume V\r\n>Free 1 MB\r\n>Total 2 MB\r\n>Root Dir " + root +
                       "\r\n>Recursive Dir True\r\n>Search zip content True\r\n>Enable comment True\r\n"
                       ">Search *.*\r\n>Comment \r\n";
    text += root + "\\" + std::string(4 << 20, 'n') + ".jpg>1 Kb/01/01/2020>" + std::string(4 << 20, 'c') + "<\r\n";
    text += root + "\\a.txt>2 Kb/01/01/2020\r\n";
    FolderLoadControl control;
    FolderLoad load = LoadCatalogFolders(lib.catalog("huge.dat", text), control);
    EXPECT_EQ(load.status.outcome, FolderLoadStatus::Outcome::Loaded);
    return std::make_shared<const CatalogFolders>(std::move(load.folders));
}
} // namespace

TEST(BrowserModels, HugeFieldsShowABoundedExcerptOnOneLine)
{
    TempLibrary lib;
    const auto folders = HugeFieldsCatalog(lib);
    const QString ellipsis(QChar(0x2026));

    FolderTreeModel tree;
    const auto treeChecker = CheckModel(tree);
    tree.setFolders(folders);
    const QModelIndex root = tree.index(0, 0);
    EXPECT_EQ(tree.data(root).toString(), "\\" + QString(CellChars - 1, 'r') + ellipsis);
    EXPECT_EQ(tree.data(root, Qt::ToolTipRole).toString().size(), ToolTipChars + 1);

    FileListModel files;
    const auto filesChecker = CheckModel(files);
    files.setFiles(folders->Files(0));
    ASSERT_EQ(files.rowCount(), 2);
    const QModelIndex name = files.index(0, FileListModel::Name);
    EXPECT_EQ(files.data(name).toString(), QString(CellChars, 'n') + ellipsis);
    EXPECT_EQ(files.data(name, Qt::ToolTipRole).toString(), QString(ToolTipChars, 'n') + ellipsis);
    EXPECT_EQ(files.data(files.index(0, FileListModel::Comment)).toString().size(), CellChars + 1);
    EXPECT_EQ(files.data(files.index(0, FileListModel::Size)).toString(), "1 Kb");
    EXPECT_FALSE(files.data(files.index(0, FileListModel::Size), Qt::ToolTipRole).isValid());
    EXPECT_EQ(files.data(files.index(1, FileListModel::Name)).toString(), "a.txt");
    EXPECT_FALSE(files.data(files.index(1, FileListModel::Name), Qt::ToolTipRole).isValid());

    // Sorted, the rows take their tool tips along; an edited comment gets one.
    files.sortBy(FileListModel::Name, Qt::AscendingOrder);
    EXPECT_EQ(files.data(files.index(0, FileListModel::Name)).toString(), "a.txt");
    EXPECT_FALSE(files.data(files.index(0, FileListModel::Name), Qt::ToolTipRole).isValid());
    EXPECT_TRUE(files.data(files.index(1, FileListModel::Name), Qt::ToolTipRole).isValid());
    files.setComment(0, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(files.data(files.index(0, FileListModel::Comment)).toString(), "one");
    EXPECT_EQ(files.data(files.index(0, FileListModel::Comment), Qt::ToolTipRole).toString(), "one\ntwo");
}

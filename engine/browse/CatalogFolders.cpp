#include "engine/browse/CatalogFolders.h"

#include "engine/browse/FolderPath.h"
#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "platform/text/Encoding.h"

namespace {
// A piece of one line, decoded by that line's encoding.
struct LineDecoder {
    bool utf8;
    std::string operator()(std::string_view piece) const
    {
        return utf8 ? std::string(piece) : Windows1252ToUtf8(piece);
    }
};
} // namespace

std::span<const FolderId> CatalogFolders::Children(FolderId folder) const
{
    const FolderNode& n = d_.nodes[folder];
    return std::span<const FolderId>(d_.children).subspan(n.firstChild, n.childCount);
}

std::string_view CatalogFolders::Text(FolderId folder) const
{
    std::string_view k = d_.key(folder);
    if (k == "\\")
        return "/";
    return d_.nodes[folder].kind == FolderKind::Root ? k : LastPath(k);
}

std::uint32_t CatalogFoldersData::openRanges(std::uint32_t FolderNode::*first, std::uint32_t FolderNode::*count)
{
    std::uint32_t total = 0;
    for (FolderNode& n : nodes) {
        n.*first = total;
        total += n.*count;
        n.*count = 0;
    }
    return total;
}

FolderFile CatalogFolders::file(std::size_t index) const
{
    const std::string_view line = d_.bytes.lineAt(d_.files[index]);
    const BodyLine b = ParseBodyLine(line);
    const LineDecoder decode{IsValidUtf8(line)};

    FolderFile f;
    f.Name = decode(b.path.substr(b.path.rfind('\\') + 1));
    f.Size = decode(b.sizeAndUnit());
    f.DateModif = decode(b.dateText());
    if (auto edited = comments_.find(index); edited != comments_.end())
        f.Comment = edited->second;
    else if (b.hasComment)
        f.Comment = DecodeMultiLine(decode(b.comment()));
    f.Key = b.key();
    return f;
}

std::vector<FolderFile> CatalogFolders::Files(FolderId folder) const
{
    const FolderNode& n = d_.nodes[folder];
    std::vector<FolderFile> rows;
    rows.reserve(n.fileCount);
    for (std::size_t i = n.firstFile; i < std::size_t(n.firstFile) + n.fileCount; ++i)
        rows.push_back(file(i));
    return rows;
}

FolderFile CatalogFolders::File(FolderId folder, std::size_t position) const
{
    return file(d_.nodes[folder].firstFile + position);
}

std::string_view CatalogFolders::StoredPath(FolderId folder, std::size_t position) const
{
    const FolderNode& n = d_.nodes[folder];
    return position < n.fileCount ? ParseBodyLine(d_.bytes.lineAt(d_.files[n.firstFile + position])).path
                                  : std::string_view();
}

void CatalogFolders::SetComment(FolderId folder, std::size_t position, std::string_view comment)
{
    const FolderNode& n = d_.nodes[folder];
    if (position < n.fileCount)
        comments_[n.firstFile + position] = DecodeMultiLine(EncodeCatalogComment(comment));
}

#include "engine/archive/MemberListing.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CatalogText.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/text/StringHelpers.h"

namespace {
std::string ArchiveTextToUtf8(std::string_view stored)
{
    if (IsValidUtf8(stored))
        return std::string(stored);
    return Windows1252ToUtf8(stored);
}
} // namespace

MemberListing::MemberListing(const ArchiveFile& archive, std::string_view prefix, CatalogBuffer& out)
    : archive_(archive), out_(out)
{
    encodedComment_ = EncodeCatalogComment(std::string(prefix) + archive.name);
}

bool MemberListing::add(std::string_view storedName, std::uint64_t bytes, std::string_view date)
{
    return out_.append(MakeMemberLine(archive_.catalogPath,
                                      ToCatalogMemberPath(ArchiveTextToUtf8(TrimNull(storedName))),
                                      SizeRound(bytes), date, encodedComment_));
}

void MemberListing::setComment(std::string_view storedText)
{
    comment_ = ArchiveTextToUtf8(TrimNull(storedText));
}

#include "engine/archive/MemberListing.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/text/StringHelpers.h"

MemberListing::MemberListing(const ArchiveFile& archive, std::string_view prefix, CatalogBuffer& out)
    : archive_(archive), out_(out), lineEncoding_(DetectCatalogEncoding(archive.catalogPath))
{
    encodedComment_ = EncodeCatalogComment(std::string(prefix) + archive.name);
}

bool MemberListing::add(std::string_view name, std::uint64_t bytes, std::string_view date)
{
    const std::string text = TextInLineEncoding(TrimNull(name), lineEncoding_);
    return out_.append(
        MakeMemberLine(archive_.catalogPath, ToCatalogMemberPath(text), SizeRound(bytes), date, encodedComment_));
}

void MemberListing::setComment(std::string_view storedText)
{
    comment_ = TrimNull(storedText);
}

#pragma once
// The one interface of the archive listers: a lister reads the headers of one
// archive kind and hands each member to a MemberListing, which writes its
// catalog line. A RAR lister also hands over the archive's own comment.

#include "engine/archive/ArchiveContents.h"
#include "engine/catalog/CatalogText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ArchiveBytes;

class MemberListing {
public:
    // prefix: the member comment's start ("Found in zipfile :"), the archive's
    // name follows it.
    MemberListing(const ArchiveFile& archive, std::string_view prefix, CatalogBuffer& out);

    // One member line. name is the member's name as UTF-8, or its stored
    // bytes where the archive does not say their code page (it ends at a NUL,
    // if any); date is a catalog date. The name is written in the encoding of
    // the archive's own path, so the whole line reads back right. False once
    // the buffer is full: the lister stops.
    bool add(std::string_view name, std::uint64_t bytes, std::string_view date);

    // The archive's comment as stored (up to a NUL).
    void setComment(std::string_view storedText);
    const std::optional<std::string>& comment() const { return comment_; }

private:
    const ArchiveFile& archive_;
    CatalogBuffer& out_;
    CatalogEncoding lineEncoding_;
    std::string encodedComment_;
    std::optional<std::string> comment_;
};

using ArchiveLister = void (*)(ArchiveBytes& in, MemberListing& listing);

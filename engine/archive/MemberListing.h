#pragma once
// The one interface of the archive listers: a lister reads the headers of one
// archive kind and hands each member to a MemberListing, which writes its
// catalog line. A RAR lister also hands over the archive's own comment.

#include "engine/archive/ArchiveContents.h"

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

    // One member line. storedName is the name as the archive holds it (it
    // ends at a NUL, if any); date is a catalog date. Names and comments that
    // are not UTF-8 are taken as Windows-1252, so that one old name cannot
    // turn the whole catalog into another encoding. False once the buffer is full: the lister stops.
    bool add(std::string_view storedName, std::uint64_t bytes, std::string_view date);

    void setComment(std::string_view storedText);
    const std::optional<std::string>& comment() const { return comment_; }

private:
    const ArchiveFile& archive_;
    CatalogBuffer& out_;
    std::string encodedComment_;
    std::optional<std::string> comment_;
};

using ArchiveLister = void (*)(ArchiveBytes& in, MemberListing& listing);

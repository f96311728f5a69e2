#include "engine/archive/Unzip.h"

#include "engine/archive/ArchiveBytes.h"
#include "engine/archive/MemberListing.h"
#include "engine/archive/ZipDirectory.h"
#include "engine/catalog/CatalogDate.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/text/StringHelpers.h"
#include "platform/text/Encoding.h"

namespace {
// A name's text: UTF-8 when marked so or given by a Unicode path field, the
// DOS code page when an MS-DOS or Windows system wrote it, else the bytes as
// that system's file system gave them.
std::string memberName(const ZipMember& m)
{
    if (!m.unicodeName.empty())
        return m.unicodeName;
    if (m.utf8Name || !ZipHostUsesDosCodePage(m.host))
        return m.storedName;
    return DosCodePageToUtf8(m.storedName);
}

// One line per member; folder entries (names ending in "/") give none.
void listMembers(const ZipDirectory& dir, MemberListing& listing)
{
    for (const ZipMember& m : dir.members) {
        if (!m.storedName.empty() && m.storedName.back() == '/')
            continue;
        if (!listing.add(memberName(m), m.size, CatalogDateFromDos(m.dosDate)))
            return;
    }
}
} // namespace

bool ReadZipArchive(const FileAt& file, MemberListing* members, std::string* comment, Problems& problems,
                    std::size_t window)
{
    std::string error;
    try {
        ArchiveBytes in(file, window);
        if (const std::optional<ZipDirectory> dir = ReadZipDirectory(in, error)) {
            // As the library printed it: the text up to a NUL, line breaks as CR LF.
            if (comment)
                *comment += NormalizeLineBreaks(TrimNull(dir->comment));
            if (members)
                listMembers(*dir, *members);
            return true;
        }
        error = file.path + ": " + error;
    } catch (const std::exception& e) {
        error = e.what();
    }
    problems.add(LibraryProblem(std::move(error), file.path));
    return false;
}

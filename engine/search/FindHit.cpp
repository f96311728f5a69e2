#include "engine/search/FindHit.h"

#include "engine/catalog/CatalogLine.h"
#include "engine/catalog/CommentCodec.h"
#include "engine/search/FileTypeFilter.h"
#include "engine/text/PathHelpers.h"

std::optional<FindHit> HitFromLine(const BodyLine& line, std::string_view diskId, const FileTypeFilter& filter)
{
    const std::string_view path = line.archivePath();
    const std::string_view member = line.memberPath();
    const std::string name = FileWithOutPath(path);
    const std::string memberName = FileWithOutPath(member);

    FindHit hit;
    FindReportRow& row = hit.Row;
    if (!line.isMember()) {
        if (!filter.passes(name))
            return std::nullopt;
        row.File = name;
        row.Directory = PathWithOutFile(path);
    } else if (!memberName.empty()) {
        if (!filter.passes(memberName) && !filter.passes(name))
            return std::nullopt;
        hit.Kind = HitKind::Member;
        row.File = member;
        row.Directory = path;
    } else {
        if (!filter.passes(name))
            return std::nullopt;
        hit.Kind = HitKind::ArchiveFolder;
        // Under a filter of types the archive stands for its folder entries.
        row.File = filter.everything() ? std::string(member) : name;
        row.Directory = filter.everything() ? std::string(path) : PathWithOutFile(path);
    }
    row.Size = line.sizeAndUnit();
    row.Date = line.dateText();
    row.DiskID = diskId;
    row.Comment = DecodeMultiLine(line.comment());
    hit.Key = line.key();
    hit.IconName = memberName.empty() ? name : memberName;
    return hit;
}

#include "results/FindRow.h"

FindRow::FindRow(const FindHit& hit) : kind_(hit.Kind)
{
    const FindReportRow& r = hit.Row;
    const std::string* fields[FieldCount] = {&r.File,   &r.Directory, &r.Size,  &r.Date,
                                             &r.DiskID, &r.Comment,   &hit.Key, &hit.IconName};
    std::size_t size = 0;
    for (const std::string* f : fields)
        size += f->size();
    text_.reserve(size);
    for (int i = 0; i < FieldCount; ++i) {
        text_ += *fields[i];
        ends_[std::size_t(i)] = std::uint32_t(text_.size());
    }
}

void FindRow::setComment(std::string_view comment)
{
    const std::uint32_t start = ends_[Comment - 1];
    const std::uint32_t end = ends_[Comment];
    text_.replace(start, end - start, comment);
    const std::int64_t grown = std::int64_t(comment.size()) - std::int64_t(end - start);
    for (int i = Comment; i < FieldCount; ++i)
        ends_[std::size_t(i)] = std::uint32_t(std::int64_t(ends_[std::size_t(i)]) + grown);
}

FindReportRow FindRow::reportRow() const
{
    auto s = [this](Field f) { return std::string((*this)[f]); };
    return {s(File), s(Directory), s(Size), s(Date), s(DiskID), s(Comment)};
}

std::vector<FindRow> FindRowsOf(const std::vector<FindHit>& hits)
{
    std::vector<FindRow> rows;
    rows.reserve(hits.size());
    for (const FindHit& h : hits)
        rows.emplace_back(h);
    return rows;
}

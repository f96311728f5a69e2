#include "results/FindRow.h"

#include "results/FindColumns.h"

FindRow::FindRow(const FindHit& hit) : kind_(hit.Kind)
{
    const std::string* fields[FieldCount] = {};
    for (const FindColumn& c : FindColumns)
        fields[c.cell] = &(hit.Row.*c.field);
    fields[Key] = &hit.Key;
    fields[IconName] = &hit.IconName;
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
    FindReportRow row;
    for (const FindColumn& c : FindColumns)
        row.*c.field = (*this)[c.cell];
    return row;
}

std::vector<FindRow> FindRowsOf(const std::vector<FindHit>& hits)
{
    std::vector<FindRow> rows;
    rows.reserve(hits.size());
    for (const FindHit& h : hits)
        rows.emplace_back(h);
    return rows;
}

#pragma once
// One row of the search results as the window keeps it: the texts of a hit
// (its columns' values, its exact catalog key and the name its icon goes by)
// back to back in one string, with its kind. Small, so that a search of many
// hits costs little more memory than their text.

#include "engine/search/FindHit.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class FindRow {
public:
    // The cells: the results list's columns (FindColumns.h), then the two
    // the list does not show.
    enum Field { File, Directory, Size, Date, DiskID, Comment, Key, IconName, FieldCount };

    explicit FindRow(const FindHit& hit);

    std::string_view operator[](Field field) const
    {
        const std::uint32_t start = field == 0 ? 0 : ends_[field - 1];
        return std::string_view(text_).substr(start, ends_[field] - start);
    }
    HitKind kind() const { return kind_; }
    void setComment(std::string_view comment);
    FindReportRow reportRow() const;

private:
    std::string text_;
    std::array<std::uint32_t, FieldCount> ends_{};
    HitKind kind_;
};

// The rows of a batch of hits (on the search's thread, so that the hits'
// memory is used again for the next batch).
std::vector<FindRow> FindRowsOf(const std::vector<FindHit>& hits);

#pragma once
// Searches one catalog file for an expression, line by line, without holding
// the file in memory.

#include "engine/problem/Problem.h"
#include "engine/search/FileTypeFilter.h"
#include "engine/search/FindHit.h"
#include "engine/search/SearchExpr.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What is searched for, prepared once for every catalog of a search.
struct FindQuery {
    FindQuery(std::string_view expression, std::optional<std::string> driveType, std::string_view fileFilter);

    SearchExpr Expression;                // lowered as text
    std::optional<std::string> DriveType; // nothing: every disk type
    FileTypeFilter Filter;
};

// The state of one search over one catalog or many.
struct FindSession {
    std::int64_t HitCount = 0; // rows found so far; the caller resets it
    std::int64_t MaxHit = 500;
    bool IgnoreMaxHit = false;
    // Set by a Stop button (from any thread); the search ends at the next block.
    std::atomic<bool> StopFind{false};
    // Catalogs that could not be searched, lines that are no entries.
    Problems problems;

    bool limitReached() const { return !IgnoreMaxHit && HitCount >= MaxHit; }
};

// Takes the rows of one block of catalog lines at a time: the caller keeps
// them, and the search holds no more than a block's worth.
using FindHitsSink = std::function<void(std::vector<FindHit>&&)>;

// Hands the rows of catalogFile (a full path) that match query to onHits, in
// the order of its lines (never an empty batch), each raising
// session.HitCount. Nothing is read once the limit is reached. A catalog of
// another disk type, an empty one and one whose header ends early give no
// rows. A catalog that cannot be read or is no catalog is added to
// session.problems; the rows handed over before stay.
void FindWordOnFile(const std::string& catalogFile, const FindQuery& query, FindSession& session,
                    const FindHitsSink& onHits);

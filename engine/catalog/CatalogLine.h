#pragma once
// The catalog line grammar. Every writer builds its lines here and every
// reader splits them into their fields here (the catalog reports then cut the
// size and date field at each "/" and trim the pieces, as their columns want).
//
//   header:  11 lines ">" label value (see HeaderLine)
//   file:    path ">" size " Kb/" DD/MM/YYYY [ ">" comment "<" ]
//   member:  archive path "/" member path ">" size " Kb/" date ">" comment "<"

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr int HeaderLineCount = 11;
inline constexpr std::string_view CatalogLineEnd = "\r\n";

enum class HeaderLine {
    DriveType = 1,
    Serial,
    Volume,
    Free,
    Total,
    RootDir,
    RecursiveDir,
    SearchZipContent,
    EnableComment,
    Search,
    Comment,
};

// The label of a header line, ">" included (">Serial ").
std::string_view HeaderLabel(HeaderLine line);
std::string MakeHeaderLine(HeaderLine line, std::string_view value);
// The value of a header line: the text after its label's length, "" when
// the line is shorter.
std::string_view HeaderValue(HeaderLine line, std::string_view text);
// "True"/"False" as the header flags are written.
std::string_view FlagText(bool flag);

// "12 Kb/01/02/2003"
std::string SizeDateField(std::uint64_t sizeKb, std::string_view date);

// encodedComment: as EncodeCatalogComment returns it.
std::string MakeFileLine(std::string_view catalogPath, std::uint64_t sizeKb, std::string_view date);
std::string MakeFileLine(std::string_view catalogPath, std::uint64_t sizeKb, std::string_view date,
                         std::string_view encodedComment);
std::string MakeMemberLine(std::string_view archiveCatalogPath, std::string_view memberCatalogPath,
                           std::uint64_t sizeKb, std::string_view date, std::string_view encodedComment);

struct BodyLine {
    std::string_view path;     // first field; "archive/member" for a member
    std::string_view sizeDate; // second field
    std::string_view rest;     // everything after the second ">" (comment and its "<")
    bool hasComment = false;   // a third field exists

    bool isMember() const;
    std::string_view archivePath() const; // path up to the member marker
    std::string_view memberPath() const;  // "" for a file line
    std::string_view sizeAndUnit() const; // "12 Kb", as the lists show it
    std::string_view dateText() const;    // "01/02/2003"
    // The comment field less its closing "<", still encoded: a "<" inside
    // the comment stays (a line broken by a lone line feed has no closing one).
    std::string_view comment() const;
    // The comment lacks its closing "<": a lone line feed broke the line
    // inside it, and it goes on in the lines after (see CommentContinuation).
    bool commentRunsOn() const;
    // A path and a size field: what makes a body line an entry. Other lines
    // (blank ones, stray text) are skipped by every reader.
    bool hasEntryFields() const;
    // path ">" sizeDate: what identifies an entry when a comment is rewritten.
    std::string key() const;
};

BodyLine ParseBodyLine(std::string_view line);

// A line after one whose comment runs on, when it is no entry (an entry line
// always stands for itself): the piece of the comment it holds, less the
// closing "<"; closes tells whether that "<" ends the comment here.
std::string_view CommentContinuation(std::string_view line, bool& closes);

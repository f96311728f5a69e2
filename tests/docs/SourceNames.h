#pragma once
// What the source tree says of a function name, for the documents that name
// functions: a plain text search, so a renamed or removed function leaves
// the document behind and its test fails.

#include <string>
#include <vector>

// The cells of a markdown table row, trimmed ("| a | `b` |" gives "a", "`b`").
std::vector<std::string> RowCells(const std::string& row);
// The names a cell writes as code: "`RunFind`, `SaveFile`" gives both.
std::vector<std::string> CodeNames(const std::string& cell);

// Whether a header below folder (searched through its subfolders) or a
// source file directly in folder holds name followed by "(".
bool HeaderBelowMentionsCall(const std::string& folder, const std::string& name);
bool SourceInMentionsCall(const std::string& folder, const std::string& name);

// The names window classes give themselves (WindowName = "..."), in the
// program's folders: those of scripts/layers.txt but tests and bench.
std::vector<std::string> DeclaredWindowNames(const std::string& sourceRoot);

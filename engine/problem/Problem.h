#pragma once
// What went wrong in a piece of work of the engine (a scan, a search, a
// catalog load, a report, a change to a catalog), handed to its caller: the
// engine never talks to the user, the caller decides how the user hears of it.

#include <cstdint>
#include <functional>
#include <source_location>
#include <string>
#include <string_view>
#include <vector>

class Prompter;

struct Problem {
    int errorNumber = 0;
    std::string text; // the description, as the common error box gives it
    std::string item; // the file or folder concerned; "" when none
    // Where it was caught, as the error box names it (string literals). ""
    // for a library's own report (libzip's, on an archive it cannot read):
    // its text is then the whole message, shown in a box with neither title
    // nor icon.
    std::string_view module;
    std::string_view procedure;
    std::uint_least32_t line = 0;
};

using ProblemSink = std::function<void(const Problem&)>;

// The problems of one piece of work, in the order they arose. onProblem, when
// set, hears of each the moment it arises, on the working thread, and the
// work goes on only once it returns: a box shown there stands while the work
// waits, as a question would.
struct Problems {
    ProblemSink onProblem;
    std::vector<Problem> list;

    void add(Problem p);
};

// Problems shown through prompter the moment they arise (a window's or the
// batch mode's sink).
Problems ProblemsShownBy(Prompter& prompter);

// Where a failure of work that several callers share is reported: the
// module and procedure its box names are the caller's.
struct ProblemPlace {
    std::string_view module;
    std::string_view procedure;
};

// Runs step; an error it raises becomes the problem of place in problems
// (at the caller's line when the error does not carry its own), and false
// is returned. This is the one way an error of the engine becomes a problem.
bool CatchProblem(Problems& problems, ProblemPlace place, std::string item, const std::function<void()>& step,
                  std::source_location where = std::source_location::current());
// The same where the item concerned is known only once step failed (the
// file of a folder a loop had reached): itemOf names it then.
bool CatchProblem(Problems& problems, ProblemPlace place, const std::function<std::string()>& itemOf,
                  const std::function<void()>& step, std::source_location where = std::source_location::current());

// A library's own report on item: its text is the whole message.
Problem LibraryProblem(std::string text, std::string item);

// The text of the box that shows it.
std::string ProblemBoxText(const Problem& p);

// Shows it in the common error box, or a library's report in a plain one.
void ShowProblem(Prompter& prompter, const Problem& p);

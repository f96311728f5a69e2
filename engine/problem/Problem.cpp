#include "engine/problem/Problem.h"

#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"

#include <new>

void Problems::add(Problem p)
{
    if (onProblem)
        onProblem(p);
    list.push_back(std::move(p));
}

Problems ProblemsShownBy(Prompter& prompter)
{
    Problems problems;
    problems.onProblem = [&prompter](const Problem& p) { ShowProblem(prompter, p); };
    return problems;
}

bool CatchProblem(Problems& problems, ProblemPlace place, std::string item, const std::function<void()>& step,
                  std::source_location where)
{
    return CatchProblem(
        problems, place, [&item] { return std::move(item); }, step, where);
}

bool CatchProblem(Problems& problems, ProblemPlace place, const std::function<std::string()>& itemOf,
                  const std::function<void()>& step, std::source_location where)
{
    try {
        step();
        return true;
    } catch (const std::exception& e) {
        Problem p{.text = e.what(), .item = itemOf(), .module = place.module, .procedure = place.procedure};
        if (auto* app = dynamic_cast<const AppError*>(&e)) {
            p.errorNumber = app->number();
            p.line = app->line();
        } else {
            p.errorNumber = dynamic_cast<const std::bad_alloc*>(&e) ? ErrOutOfMemory : ErrPathFileAccess;
            p.line = where.line();
        }
        problems.add(std::move(p));
        return false;
    }
}

Problem LibraryProblem(std::string text, std::string item)
{
    Problem p;
    p.text = std::move(text);
    p.item = std::move(item);
    return p;
}

std::string ProblemBoxText(const Problem& p)
{
    if (p.module.empty())
        return p.text;
    return ErrorBoxText(p.errorNumber, p.text, p.module, p.procedure, p.line);
}

void ShowProblem(Prompter& prompter, const Problem& p)
{
    if (p.module.empty())
        prompter.message(p.text, "", MsgIcon::None);
    else
        prompter.message(ProblemBoxText(p), "Error", MsgIcon::Critical);
}

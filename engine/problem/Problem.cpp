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

Problem ProblemFrom(const std::exception& e, std::string_view module, std::string_view procedure, std::string item,
                    std::source_location where)
{
    Problem p{.text = e.what(), .item = std::move(item), .module = module, .procedure = procedure};
    if (auto* app = dynamic_cast<const AppError*>(&e)) {
        p.errorNumber = app->number();
        p.line = app->line();
    } else {
        p.errorNumber = dynamic_cast<const std::bad_alloc*>(&e) ? ErrOutOfMemory : ErrPathFileAccess;
        p.line = where.line();
    }
    return p;
}

std::string ProblemBoxText(const Problem& p)
{
    return ErrorBoxText(p.errorNumber, p.text, p.module, p.procedure, p.line);
}

void ShowProblem(Prompter& prompter, const Problem& p)
{
    prompter.message(ProblemBoxText(p), "Error", MsgIcon::Critical);
}

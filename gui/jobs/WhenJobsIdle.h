#pragma once
// Work that must not run under a long job (a skin or language change reloads
// and relabels windows the job may fill): it runs now when no job runs, else
// once the running job and its completion have ended.

#include <functional>

class JobRunner;

void WhenJobsIdle(JobRunner& jobs, std::function<void()> action);

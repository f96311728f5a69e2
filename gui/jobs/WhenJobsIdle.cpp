#include "gui/jobs/WhenJobsIdle.h"

#include "gui/jobs/JobRunner.h"

#include <QTimer>

void WhenJobsIdle(JobRunner& jobs, std::function<void()> action)
{
    if (!jobs.isBusy()) {
        action();
        return;
    }
    // The job's completion runs after busyChanged(false): look again once it has.
    QObject::connect(
        &jobs, &JobRunner::busyChanged, &jobs,
        [&jobs, action = std::move(action)](bool) {
            QTimer::singleShot(0, &jobs, [&jobs, action] { WhenJobsIdle(jobs, action); });
        },
        Qt::SingleShotConnection);
}

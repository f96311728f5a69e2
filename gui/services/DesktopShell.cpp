#include "gui/services/DesktopShell.h"

#include "gui/services/DesktopActions.h"

#include <QUrl>

void DesktopShell::open(const std::string& target)
{
    if (target.starts_with('/')) {
        desktop_.open(target);
        return;
    }
    const QUrl url(QString::fromStdString(target));
    if (url.isLocalFile())
        desktop_.open(url.toLocalFile().toStdString());
    else
        addresses_.open(target);
}

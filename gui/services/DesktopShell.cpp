#include "gui/services/DesktopShell.h"

#include "gui/services/DesktopActions.h"

#include <QUrl>

void DesktopShell::open(const std::string& target)
{
    const QString text = QString::fromStdString(target);
    if (text.startsWith(QLatin1Char('/'))) {
        desktop_.open(text);
        return;
    }
    const QUrl url(text);
    if (url.isLocalFile())
        desktop_.open(url.toLocalFile());
    else
        addresses_.open(target);
}

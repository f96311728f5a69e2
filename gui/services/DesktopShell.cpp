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
    // The path's own bytes: a decoded QString would lose those of another encoding.
    if (url.isLocalFile())
        desktop_.open(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString());
    else
        addresses_.open(target);
}

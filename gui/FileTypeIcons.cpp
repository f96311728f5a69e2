#include "gui/FileTypeIcons.h"

QIcon FileTypeIcons::forName(QStringView fileName)
{
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1).toString().toLower();
    auto found = bySuffix_.constFind(suffix);
    if (found != bySuffix_.constEnd())
        return *found;
    const QString probe = suffix.isEmpty() ? QStringLiteral("name") : QStringLiteral("name.") + suffix;
    const QMimeType type = types_.mimeTypeForFile(probe, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(
        type.iconName(), QIcon::fromTheme(type.genericIconName(), QIcon::fromTheme(QStringLiteral("text-x-generic"))));
    bySuffix_.insert(suffix, icon);
    return icon;
}

#include "gui/FileTypeIcons.h"

#include <QMimeDatabase>

namespace {
QIcon IconForType(const QString& name)
{
    const QMimeDatabase types;
    const QList<QMimeType> byName = types.mimeTypesForFileName(name); // the name alone, never the disk
    const QMimeType type = byName.isEmpty() ? types.mimeTypeForName(QStringLiteral("application/octet-stream"))
                                            : byName.first();
    QIcon generic = QIcon::fromTheme(type.genericIconName(), QIcon::fromTheme(QStringLiteral("text-x-generic")));
    return QIcon::fromTheme(type.iconName(), generic);
}
} // namespace

int FileTypeIcons::indexFor(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString suffix = dot < 0 ? QString() : name.mid(dot).toString().toLower();
    if (auto it = bySuffix_.constFind(suffix); it != bySuffix_.cend())
        return *it;
    const int index = int(icons_.size());
    icons_.push_back(IconForType(suffix.isEmpty() ? QStringLiteral("file") : QStringLiteral("file") + suffix));
    bySuffix_.insert(suffix, index);
    return index;
}

#pragma once
// The icon a file list shows beside a file name: the icon theme's picture for
// the type the name's suffix says, found once per suffix. Only the name is
// read, never the disk: a catalogued file may lie on an absent mount.

#include <QIcon>
#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

class FileTypeIcons {
public:
    // The number of the icon for the file called name; stable while the
    // cache lives.
    int indexFor(QStringView name);
    const QIcon& icon(int index) const { return icons_[std::size_t(index)]; }

private:
    QHash<QString, int> bySuffix_;
    std::vector<QIcon> icons_;
};

#pragma once
// The icons of file types from the desktop's icon theme, chosen by the
// name's suffix alone: a catalogued file is never looked at on disk (its
// disk may be absent). Each suffix is looked up once.

#include <QHash>
#include <QIcon>
#include <QMimeDatabase>
#include <QString>

class FileTypeIcons {
public:
    QIcon forName(QStringView fileName);

private:
    QMimeDatabase types_;
    QHash<QString, QIcon> bySuffix_; // lower case, "" for names without one
};

#include "gui/services/FilePropertiesDialog.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeDatabase>
#include <QVBoxLayout>

#include <sys/stat.h>

namespace {
QString dateText(const QDateTime& when)
{
    return when.isValid() ? when.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : QStringLiteral("unknown");
}

QString sizeText(qint64 bytes)
{
    QLocale locale;
    return QStringLiteral("%1 (%2 bytes)").arg(locale.formattedDataSize(bytes), locale.toString(bytes));
}

QString ownerText(const QString& name, uint id)
{
    return name.isEmpty() ? QString::number(id) : name;
}

// One permission triplet; special is set-id or sticky, shown on the x place.
QString triplet(mode_t mode, mode_t r, mode_t w, mode_t x, mode_t special, char specialChar)
{
    QString t;
    t += (mode & r) ? 'r' : '-';
    t += (mode & w) ? 'w' : '-';
    if (mode & special)
        t += (mode & x) ? QChar(specialChar) : QChar(specialChar).toUpper();
    else
        t += (mode & x) ? 'x' : '-';
    return t;
}
} // namespace

QString PermissionText(mode_t mode)
{
    return triplet(mode, S_IRUSR, S_IWUSR, S_IXUSR, S_ISUID, 's') +
           triplet(mode, S_IRGRP, S_IWGRP, S_IXGRP, S_ISGID, 's') +
           triplet(mode, S_IROTH, S_IWOTH, S_IXOTH, S_ISVTX, 't') +
           QStringLiteral(" (%1)").arg(uint(mode & 07777), 4, 8, QLatin1Char('0'));
}

FilePropertiesDialog::FilePropertiesDialog(const QString& path, QWidget* parent) : QDialog(parent)
{
    const QFileInfo info(path);
    setWindowTitle(QStringLiteral("%1 Properties").arg(info.fileName()));
    const QMimeType type = QMimeDatabase().mimeTypeForFile(info);
    struct stat st {};
    const bool statted = ::stat(QFile::encodeName(path).constData(), &st) == 0;

    auto* form = new QFormLayout;
    auto addRow = [this, form](const QString& row, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(row);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(row + ':', label);
    };
    addRow(QStringLiteral("Name"), info.fileName());
    addRow(QStringLiteral("Type"), QStringLiteral("%1 (%2)").arg(type.comment(), type.name()));
    addRow(QStringLiteral("Location"), info.absolutePath());
    addRow(QStringLiteral("Size"), sizeText(info.size()));
    addRow(QStringLiteral("Modified"), dateText(info.lastModified()));
    addRow(QStringLiteral("Accessed"), dateText(info.lastRead()));
    addRow(QStringLiteral("Created"), dateText(info.birthTime()));
    addRow(QStringLiteral("Owner"), ownerText(info.owner(), info.ownerId()));
    addRow(QStringLiteral("Group"), ownerText(info.group(), info.groupId()));
    addRow(QStringLiteral("Permissions"), statted ? PermissionText(st.st_mode) : QStringLiteral("unknown"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QString FilePropertiesDialog::value(const QString& row) const
{
    const QLabel* label = findChild<QLabel*>(row, Qt::FindDirectChildrenOnly);
    return label ? label->text() : QString();
}

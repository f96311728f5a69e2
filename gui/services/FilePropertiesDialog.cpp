#include "gui/services/FilePropertiesDialog.h"

#include "gui/services/ShellHelpers.h"
#include "platform/text/Encoding.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLocale>
#include <QMimeType>
#include <QVBoxLayout>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
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

FilePropertiesDialog::FilePropertiesDialog(const std::string& path, QWidget* parent) : QDialog(parent)
{
    // The facts from the bytes of the path: QFileInfo could not find a name
    // in a legacy encoding.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash == std::string::npos ? 0 : slash);
    const QString name = DisplayName(path);
    setWindowTitle(QStringLiteral("%1 Properties").arg(name));
    const QMimeType type = FileMimeType(path);
    struct statx st {};
    const bool statted = ::statx(AT_FDCWD, path.c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &st) == 0;
    auto when = [&](const statx_timestamp& t, unsigned need) {
        return statted && (st.stx_mask & need) ? QDateTime::fromSecsSinceEpoch(t.tv_sec).addMSecs(t.tv_nsec / 1000000)
                                               : QDateTime();
    };
    const passwd* user = statted ? ::getpwuid(st.stx_uid) : nullptr;
    const group* grp = statted ? ::getgrgid(st.stx_gid) : nullptr;

    auto* form = new QFormLayout;
    auto addRow = [this, form](const QString& row, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(row);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(row + ':', label);
    };
    addRow(QStringLiteral("Name"), name);
    addRow(QStringLiteral("Type"), QStringLiteral("%1 (%2)").arg(type.comment(), type.name()));
    addRow(QStringLiteral("Location"), QString::fromStdString(BytesToUtf8(folder)));
    addRow(QStringLiteral("Size"), sizeText(statted ? qint64(st.stx_size) : 0));
    addRow(QStringLiteral("Modified"), dateText(when(st.stx_mtime, STATX_MTIME)));
    addRow(QStringLiteral("Accessed"), dateText(when(st.stx_atime, STATX_ATIME)));
    addRow(QStringLiteral("Created"), dateText(when(st.stx_btime, STATX_BTIME)));
    addRow(QStringLiteral("Owner"), ownerText(user ? QString::fromLocal8Bit(user->pw_name) : QString(), st.stx_uid));
    addRow(QStringLiteral("Group"), ownerText(grp ? QString::fromLocal8Bit(grp->gr_name) : QString(), st.stx_gid));
    addRow(QStringLiteral("Permissions"), statted ? PermissionText(st.stx_mode) : QStringLiteral("unknown"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

#include "options/FileChoiceList.h"

#include <QMouseEvent>

namespace {
constexpr int FileRole = Qt::UserRole;
} // namespace

FileChoiceList::FileChoiceList(QWidget* parent) : QListWidget(parent)
{
    // On a selection, not on the current row, which focus alone may set.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filling_ && currentItem() && currentItem()->isSelected())
            emit chosen(chosenFile());
    });
}

void FileChoiceList::fill(const std::vector<std::pair<QString, QString>>& items, const std::string& current)
{
    filling_ = true;
    clear();
    const QString stored = QString::fromStdString(current);
    for (const auto& [shown, file] : items) {
        auto* item = new QListWidgetItem(shown, this);
        item->setData(FileRole, file);
        if (file.compare(stored, Qt::CaseInsensitive) == 0 && !currentItem())
            setCurrentItem(item);
    }
    filling_ = false;
}

QString FileChoiceList::chosenFile() const
{
    return currentItem() ? currentItem()->data(FileRole).toString() : QString();
}

void FileChoiceList::mousePressEvent(QMouseEvent* event)
{
    QListWidgetItem* before = currentItem() && currentItem()->isSelected() ? currentItem() : nullptr;
    QListWidgetItem* at = itemAt(event->position().toPoint());
    QListWidget::mousePressEvent(event);
    // A new selection has announced itself; the same one again would not.
    if (at && at == before && at->isSelected() && event->button() == Qt::LeftButton)
        emit chosen(chosenFile());
}

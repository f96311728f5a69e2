#include "gui/services/OpenWithDialog.h"

#include "gui/services/ShellHelpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

OpenWithDialog::OpenWithDialog(const std::string& path, ApplicationCatalog& apps, QWidget* parent)
    : QDialog(parent), path_(path), apps_(apps), list_(new QListWidget(this)),
      showAll_(new QCheckBox(QStringLiteral("Show all applications"), this))
{
    setWindowTitle(QStringLiteral("Open With"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Choose an application to open \"%1\":").arg(DisplayName(path)), this));
    layout->addWidget(list_);
    layout->addWidget(showAll_);
    layout->addWidget(buttons);
    list_->setIconSize(QSize(24, 24));
    resize(420, 460);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QListWidget::itemActivated, this, &QDialog::accept);
    connect(showAll_, &QCheckBox::toggled, this, &OpenWithDialog::fill);
    QPushButton* open = buttons->button(QDialogButtonBox::Open);
    connect(list_, &QListWidget::currentItemChanged, open,
            [open](QListWidgetItem* current) { open->setEnabled(current != nullptr); });
    fill();
    // A type nothing is registered for: offer everything at once.
    if (list_->count() == 0)
        showAll_->setChecked(true);
    open->setEnabled(list_->currentItem() != nullptr);
}

void OpenWithDialog::fill()
{
    list_->clear();
    std::vector<DesktopApp> apps = showAll_->isChecked() ? apps_.all() : apps_.forFile(path_);
    for (const DesktopApp& app : apps) {
        auto* item = new QListWidgetItem(app.icon, app.name, list_);
        item->setData(Qt::UserRole, app.id);
    }
    if (list_->count() > 0)
        list_->setCurrentRow(0);
}

std::optional<QString> OpenWithDialog::chosenApplication() const
{
    if (QListWidgetItem* item = list_->currentItem())
        return item->data(Qt::UserRole).toString();
    return std::nullopt;
}

std::optional<QString> OpenWithDialog::choose(const std::string& path, ApplicationCatalog& apps)
{
    OpenWithDialog dialog(path, apps);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosenApplication();
}

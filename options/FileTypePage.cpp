#include "options/FileTypePage.h"

#include "engine/library/LibraryLists.h"
#include "gui/AppContext.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "options/MainWindowLink.h"
#include "platform/prompter/Prompter.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
constexpr int NameRole = Qt::UserRole;
constexpr int PatternsRole = Qt::UserRole + 1;
} // namespace

FileTypePage::FileTypePage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent)
    : OptionPage("fraFileType", parent), app_(app), main_(std::move(mainWindow))
{
    lstType = MakeControl<QListWidget>(this, "lstType");
    txtName = MakeControl<QLineEdit>(this, "txtName");
    txtTypeFile = MakeControl<QLineEdit>(this, "txtTypeFile");
    txtTypeFile->setPlaceholderText(QStringLiteral("*.jpg;*.png"));
    cmdAddFileType = MakeControl<QPushButton>(this, "cmdAddFileType");
    cmdRemoveFileType = MakeControl<QPushButton>(this, "cmdRemoveFileType");

    auto* grid = new QGridLayout(this);
    grid->addWidget(lstType, 0, 0, 1, 3);
    grid->addWidget(txtName, 1, 0);
    grid->addWidget(txtTypeFile, 1, 1, 1, 2);
    grid->addWidget(cmdAddFileType, 2, 1);
    grid->addWidget(cmdRemoveFileType, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    LoadListFileType();
    connect(lstType, &QListWidget::currentItemChanged, this, &FileTypePage::lstType_Click);
    connect(lstType, &QListWidget::itemSelectionChanged, this,
            [this] { cmdRemoveFileType->setEnabled(!lstType->selectedItems().isEmpty()); });
    connect(cmdAddFileType, &QPushButton::clicked, this,
            [this] { Guarded("cmdAddFileType_Click", [this] { cmdAddFileType_Click(); }); });
    connect(cmdRemoveFileType, &QPushButton::clicked, this,
            [this] { Guarded("cmdRemoveFileType_Click", [this] { cmdRemoveFileType_Click(); }); });
    retranslate();
}

void FileTypePage::retranslate()
{
    txtName->setPlaceholderText(app_.texts.text(TextId::Name));
}

void FileTypePage::LoadListFileType(const QString& select)
{
    lstType->clear();
    for (const FilterItem& type : ListFileTypes()) {
        const QString name = QString::fromStdString(type.Name), patterns = QString::fromStdString(type.Pattern);
        auto* item = new QListWidgetItem(name + " (" + patterns + ")", lstType);
        item->setData(NameRole, name);
        item->setData(PatternsRole, patterns);
        if (!select.isEmpty() && name.compare(select, Qt::CaseInsensitive) == 0)
            lstType->setCurrentItem(item);
    }
    cmdRemoveFileType->setEnabled(!lstType->selectedItems().isEmpty());
}

void FileTypePage::lstType_Click()
{
    if (QListWidgetItem* item = lstType->currentItem()) {
        txtName->setText(item->data(NameRole).toString());
        txtTypeFile->setText(item->data(PatternsRole).toString());
    }
}

void FileTypePage::cmdAddFileType_Click()
{
    const std::string name = txtName->text().toStdString(), patterns = txtTypeFile->text().toStdString();
    if (name.empty() || patterns.empty())
        return;
    Prompter& prompter = app_.services.prompter;
    if (std::string problem = FileTypeNameProblem(name); !problem.empty()) {
        prompter.message(problem, "CorvaneDisk", MsgIcon::Exclamation);
        return;
    }
    if (FileTypeExists(name)) {
        prompter.message(app_.texts[TextId::NameExists], "CorvaneDisk", MsgIcon::None);
        return;
    }
    AddFileType(name, patterns);
    main_->refreshFilterCombos();
    LoadListFileType(txtName->text());
}

void FileTypePage::cmdRemoveFileType_Click()
{
    QListWidgetItem* item = lstType->currentItem();
    if (!item || !item->isSelected())
        return;
    RemoveFileType(item->data(NameRole).toString().toStdString());
    txtName->clear();
    txtTypeFile->clear();
    // The combos first: with no type left they bring back the standard ones.
    main_->refreshFilterCombos();
    LoadListFileType();
}

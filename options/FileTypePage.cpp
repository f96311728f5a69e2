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
    typeList = MakeControl<QListWidget>(this, "lstType");
    nameEdit = MakeControl<QLineEdit>(this, "txtName");
    patternEdit = MakeControl<QLineEdit>(this, "txtTypeFile");
    patternEdit->setPlaceholderText(QStringLiteral("*.jpg;*.png"));
    addButton = MakeControl<QPushButton>(this, "cmdAddFileType");
    removeButton = MakeControl<QPushButton>(this, "cmdRemoveFileType");

    auto* grid = new QGridLayout(this);
    grid->addWidget(typeList, 0, 0, 1, 3);
    grid->addWidget(nameEdit, 1, 0);
    grid->addWidget(patternEdit, 1, 1, 1, 2);
    grid->addWidget(addButton, 2, 1);
    grid->addWidget(removeButton, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    listTypes();
    connect(typeList, &QListWidget::currentItemChanged, this, &FileTypePage::showChosenType);
    connect(typeList, &QListWidget::itemSelectionChanged, this,
            [this] { removeButton->setEnabled(!typeList->selectedItems().isEmpty()); });
    connect(addButton, &QPushButton::clicked, this, [this] { Guarded("cmdAddFileType_Click", [this] { addType(); }); });
    connect(removeButton, &QPushButton::clicked, this,
            [this] { Guarded("cmdRemoveFileType_Click", [this] { removeType(); }); });
    retranslate();
}

void FileTypePage::retranslate()
{
    nameEdit->setPlaceholderText(app_.texts.text(TextId::Name));
}

void FileTypePage::listTypes(const QString& select)
{
    typeList->clear();
    for (const FilterItem& type : ListFileTypes()) {
        const QString name = QString::fromStdString(type.Name), patterns = QString::fromStdString(type.Pattern);
        auto* item = new QListWidgetItem(name + " (" + patterns + ")", typeList);
        item->setData(NameRole, name);
        item->setData(PatternsRole, patterns);
        if (!select.isEmpty() && name.compare(select, Qt::CaseInsensitive) == 0)
            typeList->setCurrentItem(item);
    }
    removeButton->setEnabled(!typeList->selectedItems().isEmpty());
}

void FileTypePage::showChosenType()
{
    if (QListWidgetItem* item = typeList->currentItem()) {
        nameEdit->setText(item->data(NameRole).toString());
        patternEdit->setText(item->data(PatternsRole).toString());
    }
}

void FileTypePage::addType()
{
    const std::string name = nameEdit->text().toStdString(), patterns = patternEdit->text().toStdString();
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
    listTypes(nameEdit->text());
}

void FileTypePage::removeType()
{
    QListWidgetItem* item = typeList->currentItem();
    if (!item || !item->isSelected())
        return;
    RemoveFileType(item->data(NameRole).toString().toStdString());
    nameEdit->clear();
    patternEdit->clear();
    // The combos first: with no type left they bring back the standard ones.
    main_->refreshFilterCombos();
    listTypes();
}

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
    typeList_ = MakeControl<QListWidget>(this, "lstType");
    nameEdit_ = MakeControl<QLineEdit>(this, "txtName");
    patternEdit_ = MakeControl<QLineEdit>(this, "txtTypeFile");
    patternEdit_->setPlaceholderText(QStringLiteral("*.jpg;*.png"));
    auto* addButton = MakeControl<QPushButton>(this, "cmdAddFileType");
    removeButton_ = MakeControl<QPushButton>(this, "cmdRemoveFileType");

    auto* grid = new QGridLayout(this);
    grid->addWidget(typeList_, 0, 0, 1, 3);
    grid->addWidget(nameEdit_, 1, 0);
    grid->addWidget(patternEdit_, 1, 1, 1, 2);
    grid->addWidget(addButton, 2, 1);
    grid->addWidget(removeButton_, 2, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    listTypes();
    connect(typeList_, &QListWidget::currentItemChanged, this, &FileTypePage::showChosenType);
    connect(typeList_, &QListWidget::itemSelectionChanged, this,
            [this] { removeButton_->setEnabled(!typeList_->selectedItems().isEmpty()); });
    connect(addButton, &QPushButton::clicked, this,
            [this] { Guarded(app_.services.prompter, "cmdAddFileType_Click", [this] { addType(); }); });
    connect(removeButton_, &QPushButton::clicked, this,
            [this] { Guarded(app_.services.prompter, "cmdRemoveFileType_Click", [this] { removeType(); }); });
    retranslate();
}

void FileTypePage::retranslate()
{
    nameEdit_->setPlaceholderText(app_.texts.text(TextId::Name));
}

void FileTypePage::listTypes(const QString& select)
{
    typeList_->clear();
    for (const FilterItem& type : ListFileTypes()) {
        const QString name = QString::fromStdString(type.Name), patterns = QString::fromStdString(type.Pattern);
        auto* item = new QListWidgetItem(name + " (" + patterns + ")", typeList_);
        item->setData(NameRole, name);
        item->setData(PatternsRole, patterns);
        if (!select.isEmpty() && name.compare(select, Qt::CaseInsensitive) == 0)
            typeList_->setCurrentItem(item);
    }
    removeButton_->setEnabled(!typeList_->selectedItems().isEmpty());
}

void FileTypePage::showChosenType()
{
    if (QListWidgetItem* item = typeList_->currentItem()) {
        nameEdit_->setText(item->data(NameRole).toString());
        patternEdit_->setText(item->data(PatternsRole).toString());
    }
}

void FileTypePage::addType()
{
    const std::string name = nameEdit_->text().toStdString(), patterns = patternEdit_->text().toStdString();
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
    listTypes(nameEdit_->text());
}

void FileTypePage::removeType()
{
    QListWidgetItem* item = typeList_->currentItem();
    if (!item || !item->isSelected())
        return;
    RemoveFileType(item->data(NameRole).toString().toStdString());
    nameEdit_->clear();
    patternEdit_->clear();
    // The combos first: with no type left they bring back the standard ones.
    main_->refreshFilterCombos();
    listTypes();
}

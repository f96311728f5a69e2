#include "mainwindow/SaveCatalogDialog.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/MakeControl.h"
#include "gui/services/Services.h"
#include "gui/widgets/ButtonWeb.h"
#include "language/LangText.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Ascii.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
QString TrimBlanks(const QString& s)
{
    return QString::fromStdString(std::string(::TrimBlanks(s.toStdString())));
}
} // namespace

SaveCatalogDialog::SaveCatalogDialog(AppContext& app) : app_(app)
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("CorvaneDisk"));
    resize(184, 204);
    for (auto [name, at] : {std::pair{"lblTitle", QPoint(5, 2)},
                            {"lblName", QPoint(8, 19)},
                            {"lblComment", QPoint(8, 55)},
                            {"lblSave", QPoint(53, 184)},
                            {"lblCancel", QPoint(122, 184)}})
        MakeControl<QLabel>(this, name, QRect(at, QSize(1, 1)));
    nameEdit_ = MakeControl<QLineEdit>(this, "txtName", {7, 30, 170, 19});
    commentEdit_ = MakeControl<QPlainTextEdit>(this, "txtComment", {7, 66, 170, 113});
    closeButton_ = MakeControl<ButtonWeb>(this, "BWExit", {171, 5, 7, 7});
    saveButton_ = MakeControl<ButtonWeb>(this, "BWSave", {34, 185, 16, 10});
    cancelButton_ = MakeControl<ButtonWeb>(this, "BWCancel", {103, 185, 16, 10});
    connect(saveButton_, &ButtonWeb::clicked, this, &SaveCatalogDialog::save);
    connect(cancelButton_, &ButtonWeb::clicked, this, &QDialog::reject);
    connect(closeButton_, &ButtonWeb::clicked, this, &QDialog::reject);
    nameEdit_->installEventFilter(this);
    retranslate();
}

void SaveCatalogDialog::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    for (QLabel* l : findChildren<QLabel*>())
        l->adjustSize();
}

bool SaveCatalogDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == nameEdit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            save();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

void SaveCatalogDialog::save()
{
    const QString name = TrimBlanks(nameEdit_->text());
    if (name.isEmpty()) {
        accept(); // an empty name saves nothing
        return;
    }
    const std::string file = name.toStdString() + ".dat";
    if (std::string problem = NewCatalogNameProblem(name.toStdString(), app_.folders.LibPath); !problem.empty()) {
        app_.services.prompter.message(problem, "CorvaneDisk", MsgIcon::Exclamation);
        return;
    }
    if (NameTaken(app_.folders.LibPath + file) && // readable or not
        !app_.services.prompter.askYesNo(app_.texts[TextId::AskReplaceCatalog], "CorvaneDisk", MsgIcon::Question))
        return;
    accept();
}

std::optional<SaveAnswer> SaveCatalogDialog::ask(const QString& proposedName)
{
    nameEdit_->setText(proposedName);
    nameEdit_->selectAll();
    nameEdit_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return SaveAnswer{TrimBlanks(nameEdit_->text()), commentEdit_->toPlainText()};
}

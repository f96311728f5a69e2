#include "gui/dialogs/CommentDialog.h"

#include "gui/AppContext.h"
#include "gui/MakeControl.h"
#include "gui/WindowRegistry.h"
#include "gui/widgets/ButtonWeb.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>

CommentDialog::CommentDialog(AppContext& app) : app_(app)
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("CorvaneDisk"));
    resize(336, 66);
    auto* title = MakeControl<QLabel>(this, "lblTitle", {5, 2, 200, 12});
    title->setText(QStringLiteral("CorvaneDisk"));
    commentEdit_ = MakeControl<QPlainTextEdit>(this, "txtComment", {5, 16, 326, 27});
    commentEdit_->setTabChangesFocus(true);
    MakeControl<QLabel>(this, "lblOk", {96, 46, 60, 12});
    MakeControl<QLabel>(this, "lblCancel", {224, 46, 60, 12});
    closeButton_ = MakeControl<ButtonWeb>(this, "BWExit", {325, 5, 7, 7});
    okButton_ = MakeControl<ButtonWeb>(this, "BWOK", {78, 47, 16, 10});
    cancelButton_ = MakeControl<ButtonWeb>(this, "BWCancel", {206, 47, 16, 10});
    connect(okButton_, &ButtonWeb::clicked, this, &QDialog::accept);
    connect(cancelButton_, &ButtonWeb::clicked, this, &QDialog::reject);
    connect(closeButton_, &ButtonWeb::clicked, this, &QDialog::reject);
    commentEdit_->installEventFilter(this);
    retranslate();
    commentEdit_->clear();
}

void CommentDialog::retranslate()
{
    app_.windowTexts.apply(*this, WindowName);
    for (const char* name : {"lblOk", "lblCancel"})
        if (auto* l = findChild<QLabel*>(QLatin1String(name)))
            l->adjustSize();
}

bool CommentDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == commentEdit_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
        if (enter && !(key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))) {
            accept();
            return true;
        }
        if (enter) {
            commentEdit_->insertPlainText(QStringLiteral("\n"));
            return true;
        }
    }
    return SkinnedDialog::eventFilter(watched, event);
}

std::optional<QString> CommentDialog::edit(QWidget* owner, const QString& comment)
{
    Q_UNUSED(owner); // centred on the screen by the skin, modal for the whole program
    QString shown = comment;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    commentEdit_->setPlainText(shown);
    commentEdit_->selectAll();
    commentEdit_->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return commentEdit_->toPlainText();
}

std::optional<QString> CommentDialog::editComment(AppContext& app, QWidget* owner, const QString& comment)
{
    return app.windows.get<CommentDialog>().edit(owner, comment);
}

#include "library/CatalogPropertiesDialog.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/library/CatalogFiles.h"
#include "engine/problem/Problem.h"
#include "engine/rewrite/CatalogRewrite.h"
#include "engine/start/AppFolders.h"
#include "engine/text/PathHelpers.h"
#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/PlainText.h"
#include "gui/services/FolderChooser.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "library/UsagePie.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <cmath>

namespace {
constexpr QSize PieSize(189, 113);
constexpr int RootWidth = 190; // pixels of the root label; a longer root is shortened in the middle

QLabel* Label(QWidget* parent, const char* name, const QString& text = {})
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setObjectName(QLatin1String(name));
    return l;
}

QLabel* Swatch(QWidget* parent, const char* name, const QColor& colour)
{
    QPixmap square(10, 10);
    square.fill(colour);
    QLabel* l = Label(parent, name);
    l->setPixmap(square);
    return l;
}

QString Megabytes(double mb)
{
    return QString::number(mb, 'f', 0) + QStringLiteral(" MB");
}

// The drive-type word the dialog shows and the key of its icon.
std::pair<QString, QString> DriveTypeShown(const std::string& stored)
{
    static const std::pair<const char*, const char*> known[] = {
        {"Fixed", "FIXED"}, {"Cd-Rom", "CD-ROM"}, {"Remote", "REMOTE"}, {"Removable", "REMOVABLE"}};
    for (auto [word, icon] : known)
        if (stored == word)
            return {QLatin1String(word), QLatin1String(icon)};
    return {QStringLiteral("Unknown"), QStringLiteral("UNKNOWN")};
}

QString FromCrLf(const std::string& text)
{
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
} // namespace

CatalogPropertiesDialog::CatalogPropertiesDialog(AppContext& app) : app_(app)
{
    setObjectName(WindowName);
    setWindowTitle(QStringLiteral("CorvaneDisk - Properties"));
    buildControls();
    connect(nameEdit_, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    connect(commentEdit_, &QPlainTextEdit::textChanged, this, [this] { setChanged(true); });
    connect(browseButton_, &QPushButton::clicked, this, &CatalogPropertiesDialog::chooseRoot);
    connect(applyButton_, &QPushButton::clicked, this, [this] {
        if (changed_)
            applyChanges();
    });
    connect(okButton_, &QPushButton::clicked, this, &CatalogPropertiesDialog::applyAndClose);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    retranslate();
}

void CatalogPropertiesDialog::buildControls()
{
    typePicture_ = Label(this, "picType");
    typePicture_->setFixedSize(32, 32);
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setObjectName(QStringLiteral("txtName"));
    diskTypeLabel_ = Label(this, "lblTypeDisk");
    usedLabel_ = Label(this, "lblDiskUsed");
    freeLabel_ = Label(this, "lblDiskFree");
    rootLabel_ = Label(this, "lblRootDir");
    rootLabel_->setFixedWidth(RootWidth);
    totalLabel_ = Label(this, "lblTotal");
    browseButton_ = new QPushButton(QStringLiteral("..."), this);
    browseButton_->setObjectName(QStringLiteral("cmdBrowse"));
    browseButton_->setFixedWidth(28);
    browseButton_->setAutoDefault(false);
    pie_ = Label(this, "picDraw");
    pie_->setFixedSize(PieSize);
    commentEdit_ = new QPlainTextEdit(this);
    commentEdit_->setObjectName(QStringLiteral("txtComment"));
    commentEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    commentEdit_->setTabChangesFocus(true);
    commentEdit_->setFixedHeight(72);
    okButton_ = new QPushButton(this);
    okButton_->setObjectName(QStringLiteral("cmdOK"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    applyButton_ = new QPushButton(this);
    applyButton_->setObjectName(QStringLiteral("cmdApply"));
    for (QPushButton* b : {cancelButton_, applyButton_})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(2, 1);
    grid->addWidget(typePicture_, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label(this, "lblLabel", QStringLiteral("Label:")), 0, 1);
    grid->addWidget(nameEdit_, 0, 2, 1, 2);
    grid->addWidget(Label(this, "lblType", QStringLiteral("Type:")), 1, 1);
    grid->addWidget(diskTypeLabel_, 1, 2, 1, 2);
    grid->addWidget(Swatch(this, "picUsed", PieUsedColor), 2, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblUsed", QStringLiteral("Used space:")), 2, 1);
    grid->addWidget(usedLabel_, 2, 2, 1, 2);
    grid->addWidget(Swatch(this, "picFree", PieFreeColor), 3, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblFree", QStringLiteral("Free space:")), 3, 1);
    grid->addWidget(freeLabel_, 3, 2, 1, 2);
    grid->addWidget(Label(this, "Label2", QStringLiteral("Root Dir :")), 4, 1);
    grid->addWidget(rootLabel_, 4, 2);
    grid->addWidget(browseButton_, 4, 3);
    grid->addWidget(Label(this, "lblCapacite", QStringLiteral("Capacity:")), 5, 1);
    grid->addWidget(totalLabel_, 5, 2, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {okButton_, cancelButton_, applyButton_})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(pie_, 0, Qt::AlignHCenter);
    layout->addWidget(Label(this, "Label1", QStringLiteral("Comment")));
    layout->addWidget(commentEdit_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CatalogPropertiesDialog::retranslate()
{
    okButton_->setText(PlainMnemonicText(app_.texts.text(TextId::Confirm)));
    cancelButton_->setText(PlainMnemonicText(app_.texts.text(TextId::Cancel)));
    applyButton_->setText(PlainMnemonicText(app_.texts.text(TextId::Apply)));
}

void CatalogPropertiesDialog::showProperties(const CatalogProperties& prop)
{
    file_ = QString::fromStdString(prop.FileName);
    name_ = QString::fromStdString(prop.Name);
    comment_ = FromCrLf(prop.Comment);
    root_ = QString::fromStdString(prop.RootDir);
    nameEdit_->setText(name_);
    showRoot(root_);
    const auto [word, icon] = DriveTypeShown(prop.DriveType);
    diskTypeLabel_->setText(word);
    typePicture_->setPixmap(DiskIcon(icon).pixmap(32, 32));
    freeLabel_->setText(Megabytes(prop.FreeMB));
    usedLabel_->setText(Megabytes(prop.UsedMB));
    totalLabel_->setText(Megabytes(prop.TotalMB));
    commentEdit_->setPlainText(comment_);
    drawUsagePie(int(std::nearbyint(prop.UsedPercent)));
    setChanged(false);
    nameEdit_->setFocus();
}

void CatalogPropertiesDialog::drawUsagePie(int percent)
{
    pie_->setPixmap(QPixmap::fromImage(DrawUsagePie(percent, PieSize, palette().color(QPalette::Window))));
}

void CatalogPropertiesDialog::setChanged(bool on)
{
    changed_ = on;
    applyButton_->setEnabled(on);
}

void CatalogPropertiesDialog::showRoot(const QString& root)
{
    shownRoot_ = root;
    rootLabel_->setText(rootLabel_->fontMetrics().elidedText(root, Qt::ElideMiddle, RootWidth));
    rootLabel_->setToolTip(root);
}

void CatalogPropertiesDialog::chooseRoot()
{
    const std::string current = FromCatalogPath(shownRoot_.toStdString()).path;
    const QString start =
        QDir(QString::fromStdString(current)).exists() ? QString::fromStdString(current) : QDir::rootPath();
    std::optional<QString> folder =
        app_.services.folderChooser.chooseFolder(this, app_.texts.text(TextId::ChooseFolder), start);
    if (!folder)
        return;
    // The chooser reads a name that is not UTF-8 with its bytes replaced: as
    // a root it would name another folder, or none.
    if (folder->contains(QChar::ReplacementCharacter) && !QFileInfo(*folder).isDir()) {
        app_.services.prompter.message(MessageText(MessageId::RootNameNotUtf8, {folder->toStdString()}), "CorvaneDisk",
                                       MsgIcon::Exclamation);
        return;
    }
    // The catalog holds the root in its own form: "/home/ann" is "\home\ann\".
    showRoot(QString::fromStdString(AddBackslash(ToCatalogPath(folder->toStdString()))));
    setChanged(true);
}

void CatalogPropertiesDialog::applyAndClose()
{
    if (changed_)
        applyChanges();
    accept();
}

QString CatalogPropertiesDialog::typedName() const
{
    // As the list's F2 takes it: a typed ".dat" is the extension.
    return QString::fromStdString(FileWithOutExt(CatalogFileNameOf(nameEdit_->text().toStdString())));
}

bool CatalogPropertiesDialog::differs() const
{
    return commentEdit_->toPlainText() != comment_ || typedName() != name_ || shownRoot_ != root_;
}

void CatalogPropertiesDialog::applyChanges()
{
    const std::string libPath = app_.folders.LibPath;
    Problems problems = ProblemsShownBy(app_.services.prompter);
    if (const QString comment = commentEdit_->toPlainText(); comment != comment_) {
        if (!ChangeCommentLib(file_.toStdString(), comment.toStdString(), problems))
            return;
        comment_ = comment;
    }
    if (const QString name = typedName(); name != name_) {
        const std::string problem = NewCatalogNameProblem(name.toStdString(), libPath);
        const std::string target = CatalogFileNameOf(nameEdit_->text().toStdString());
        if (!problem.empty()) {
            app_.services.prompter.message(problem, "CorvaneDisk", MsgIcon::Exclamation);
        } else if (NameTaken(libPath + target)) {
            app_.services.prompter.message(app_.texts[TextId::NameExists], "CorvaneDisk", MsgIcon::Information);
        } else {
            if (!RenameCatalog(file_.toStdString(), target, false, problems, {WindowName, "ApplyChange"}))
                return;
            file_ = QString::fromStdString(target);
            name_ = name;
        }
    }
    // A refused rename leaves the catalog under its old name: the root change goes there.
    if (shownRoot_ != root_) {
        const RootChange change =
            ChangeRoot(file_.toStdString(), root_.toStdString(), shownRoot_.toStdString(), problems);
        if (change == RootChange::Refused)
            app_.services.prompter.message(MessageText(MessageId::RootReadsAsAnother,
                                                       {FileWithOutExt(file_.toStdString()), shownRoot_.toStdString()}),
                                           "CorvaneDisk", MsgIcon::Exclamation);
        if (change != RootChange::Written)
            return;
        root_ = shownRoot_;
    }
    setChanged(differs());
}

bool CatalogPropertiesDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        app_.services.help.showHelp(HelpContext);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

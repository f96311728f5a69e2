#include "library/CatalogPropertiesDialog.h"

#include "engine/catalog/CatalogFile.h"
#include "engine/catalog/CatalogPath.h"
#include "engine/library/CatalogFiles.h"
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
#include "platform/prompter/ErrorBox.h"
#include "platform/prompter/Prompter.h"

#include <QDir>
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
    connect(nameEdit, &QLineEdit::textChanged, this, [this] { setChanged(true); });
    connect(commentEdit, &QPlainTextEdit::textChanged, this, [this] { setChanged(true); });
    connect(browseButton, &QPushButton::clicked, this, &CatalogPropertiesDialog::chooseRoot);
    connect(applyButton, &QPushButton::clicked, this, [this] {
        if (changed_)
            applyChanges();
    });
    connect(okButton, &QPushButton::clicked, this, &CatalogPropertiesDialog::applyAndClose);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    retranslate();
}

void CatalogPropertiesDialog::buildControls()
{
    typePicture = Label(this, "picType");
    typePicture->setFixedSize(32, 32);
    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("txtName"));
    diskTypeLabel = Label(this, "lblTypeDisk");
    usedLabel = Label(this, "lblDiskUsed");
    freeLabel = Label(this, "lblDiskFree");
    rootLabel = Label(this, "lblRootDir");
    rootLabel->setFixedWidth(RootWidth);
    totalLabel = Label(this, "lblTotal");
    browseButton = new QPushButton(QStringLiteral("..."), this);
    browseButton->setObjectName(QStringLiteral("cmdBrowse"));
    browseButton->setFixedWidth(28);
    browseButton->setAutoDefault(false);
    pie = Label(this, "picDraw");
    pie->setFixedSize(PieSize);
    commentEdit = new QPlainTextEdit(this);
    commentEdit->setObjectName(QStringLiteral("txtComment"));
    commentEdit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    commentEdit->setTabChangesFocus(true);
    commentEdit->setFixedHeight(72);
    okButton = new QPushButton(this);
    okButton->setObjectName(QStringLiteral("cmdOK"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(this);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    applyButton = new QPushButton(this);
    applyButton->setObjectName(QStringLiteral("cmdApply"));
    for (QPushButton* b : {cancelButton, applyButton})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(2, 1);
    grid->addWidget(typePicture, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label(this, "lblLabel", QStringLiteral("Label:")), 0, 1);
    grid->addWidget(nameEdit, 0, 2, 1, 2);
    grid->addWidget(Label(this, "lblType", QStringLiteral("Type:")), 1, 1);
    grid->addWidget(diskTypeLabel, 1, 2, 1, 2);
    grid->addWidget(Swatch(this, "picUsed", PieUsedColor), 2, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblUsed", QStringLiteral("Used space:")), 2, 1);
    grid->addWidget(usedLabel, 2, 2, 1, 2);
    grid->addWidget(Swatch(this, "picFree", PieFreeColor), 3, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblFree", QStringLiteral("Free space:")), 3, 1);
    grid->addWidget(freeLabel, 3, 2, 1, 2);
    grid->addWidget(Label(this, "Label2", QStringLiteral("Root Dir :")), 4, 1);
    grid->addWidget(rootLabel, 4, 2);
    grid->addWidget(browseButton, 4, 3);
    grid->addWidget(Label(this, "lblCapacite", QStringLiteral("Capacity:")), 5, 1);
    grid->addWidget(totalLabel, 5, 2, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {okButton, cancelButton, applyButton})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(pie, 0, Qt::AlignHCenter);
    layout->addWidget(Label(this, "Label1", QStringLiteral("Comment")));
    layout->addWidget(commentEdit);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CatalogPropertiesDialog::retranslate()
{
    okButton->setText(PlainMnemonicText(app_.texts.text(TextId::Confirm)));
    cancelButton->setText(PlainMnemonicText(app_.texts.text(TextId::Cancel)));
    applyButton->setText(PlainMnemonicText(app_.texts.text(TextId::Apply)));
}

void CatalogPropertiesDialog::showProperties(const CatalogProperties& prop)
{
    file_ = QString::fromStdString(prop.FileName);
    name_ = QString::fromStdString(prop.Name);
    comment_ = FromCrLf(prop.Comment);
    root_ = QString::fromStdString(prop.RootDir);
    nameEdit->setText(name_);
    showRoot(root_);
    const auto [word, icon] = DriveTypeShown(prop.DriveType);
    diskTypeLabel->setText(word);
    typePicture->setPixmap(DiskIcon(icon).pixmap(32, 32));
    freeLabel->setText(Megabytes(prop.FreeMB));
    usedLabel->setText(Megabytes(prop.UsedMB));
    totalLabel->setText(Megabytes(prop.TotalMB));
    commentEdit->setPlainText(comment_);
    drawUsagePie(int(std::nearbyint(prop.UsedPercent)));
    setChanged(false);
    nameEdit->setFocus();
}

void CatalogPropertiesDialog::drawUsagePie(int percent)
{
    pie->setPixmap(QPixmap::fromImage(DrawUsagePie(percent, PieSize, palette().color(QPalette::Window))));
}

void CatalogPropertiesDialog::setChanged(bool on)
{
    changed_ = on;
    applyButton->setEnabled(on);
}

void CatalogPropertiesDialog::showRoot(const QString& root)
{
    shownRoot_ = root;
    rootLabel->setText(rootLabel->fontMetrics().elidedText(root, Qt::ElideMiddle, RootWidth));
    rootLabel->setToolTip(root);
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
    return QString::fromStdString(FileWithOutExt(CatalogFileNameOf(nameEdit->text().toStdString())));
}

bool CatalogPropertiesDialog::differs() const
{
    return commentEdit->toPlainText() != comment_ || typedName() != name_ || shownRoot_ != root_;
}

void CatalogPropertiesDialog::applyChanges()
{
    const std::string libPath = Folders().LibPath;
    if (const QString comment = commentEdit->toPlainText(); comment != comment_) {
        if (!ChangeCommentLib(file_.toStdString(), comment.toStdString()))
            return;
        comment_ = comment;
    }
    if (const QString name = typedName(); name != name_) {
        const std::string problem = NewCatalogNameProblem(name.toStdString(), libPath);
        const std::string target = CatalogFileNameOf(nameEdit->text().toStdString());
        if (!problem.empty()) {
            app_.services.prompter.message(problem, "CorvaneDisk", MsgIcon::Exclamation);
        } else if (NameTaken(libPath + target)) {
            app_.services.prompter.message(app_.texts[TextId::NameExists], "CorvaneDisk", MsgIcon::Information);
        } else {
            try {
                RenameCatalog(file_.toStdString(), target, false);
            } catch (const AppError& e) {
                ShowErrorBox(e, WindowName, "ApplyChange");
                return;
            }
            file_ = QString::fromStdString(target);
            name_ = name;
        }
    }
    // A refused rename leaves the catalog under its old name: the root change goes there.
    if (shownRoot_ != root_) {
        if (!ChangeRoot(file_.toStdString(), root_.toStdString(), shownRoot_.toStdString()))
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

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
constexpr int RootWidth = 190; // pixels of lblRootDir; a longer root is shortened in the middle

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
    connect(txtName, &QLineEdit::textChanged, this, [this] { SetChanged(true); });
    connect(txtComment, &QPlainTextEdit::textChanged, this, [this] { SetChanged(true); });
    connect(cmdBrowse, &QPushButton::clicked, this, &CatalogPropertiesDialog::cmdBrowse_Click);
    connect(cmdApply, &QPushButton::clicked, this, [this] {
        if (changed_)
            ApplyChange();
    });
    connect(cmdOK, &QPushButton::clicked, this, &CatalogPropertiesDialog::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    retranslate();
}

void CatalogPropertiesDialog::buildControls()
{
    picType = Label(this, "picType");
    picType->setFixedSize(32, 32);
    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    lblTypeDisk = Label(this, "lblTypeDisk");
    lblDiskUsed = Label(this, "lblDiskUsed");
    lblDiskFree = Label(this, "lblDiskFree");
    lblRootDir = Label(this, "lblRootDir");
    lblRootDir->setFixedWidth(RootWidth);
    lblTotal = Label(this, "lblTotal");
    cmdBrowse = new QPushButton(QStringLiteral("..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setFixedWidth(28);
    cmdBrowse->setAutoDefault(false);
    picDraw = Label(this, "picDraw");
    picDraw->setFixedSize(PieSize);
    txtComment = new QPlainTextEdit(this);
    txtComment->setObjectName(QStringLiteral("txtComment"));
    txtComment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtComment->setTabChangesFocus(true);
    txtComment->setFixedHeight(72);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdApply = new QPushButton(this);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    for (QPushButton* b : {cmdCancel, cmdApply})
        b->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(2, 1);
    grid->addWidget(picType, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(Label(this, "lblLabel", QStringLiteral("Label:")), 0, 1);
    grid->addWidget(txtName, 0, 2, 1, 2);
    grid->addWidget(Label(this, "lblType", QStringLiteral("Type:")), 1, 1);
    grid->addWidget(lblTypeDisk, 1, 2, 1, 2);
    grid->addWidget(Swatch(this, "picUsed", PieUsedColor), 2, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblUsed", QStringLiteral("Used space:")), 2, 1);
    grid->addWidget(lblDiskUsed, 2, 2, 1, 2);
    grid->addWidget(Swatch(this, "picFree", PieFreeColor), 3, 0, Qt::AlignRight);
    grid->addWidget(Label(this, "lblFree", QStringLiteral("Free space:")), 3, 1);
    grid->addWidget(lblDiskFree, 3, 2, 1, 2);
    grid->addWidget(Label(this, "Label2", QStringLiteral("Root Dir :")), 4, 1);
    grid->addWidget(lblRootDir, 4, 2);
    grid->addWidget(cmdBrowse, 4, 3);
    grid->addWidget(Label(this, "lblCapacite", QStringLiteral("Capacity:")), 5, 1);
    grid->addWidget(lblTotal, 5, 2, 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdOK, cmdCancel, cmdApply})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(picDraw, 0, Qt::AlignHCenter);
    layout->addWidget(Label(this, "Label1", QStringLiteral("Comment")));
    layout->addWidget(txtComment);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CatalogPropertiesDialog::retranslate()
{
    cmdOK->setText(PlainMnemonicText(app_.texts.text(TextId::Confirm)));
    cmdCancel->setText(PlainMnemonicText(app_.texts.text(TextId::Cancel)));
    cmdApply->setText(PlainMnemonicText(app_.texts.text(TextId::Apply)));
}

void CatalogPropertiesDialog::FormLoad(const CatalogProperties& prop)
{
    file_ = QString::fromStdString(prop.FileName);
    name_ = QString::fromStdString(prop.Name);
    comment_ = FromCrLf(prop.Comment);
    root_ = QString::fromStdString(prop.RootDir);
    txtName->setText(name_);
    showRoot(root_);
    const auto [word, icon] = DriveTypeShown(prop.DriveType);
    lblTypeDisk->setText(word);
    picType->setPixmap(DiskIcon(icon).pixmap(32, 32));
    lblDiskFree->setText(Megabytes(prop.FreeMB));
    lblDiskUsed->setText(Megabytes(prop.UsedMB));
    lblTotal->setText(Megabytes(prop.TotalMB));
    txtComment->setPlainText(comment_);
    DrawPie(int(std::nearbyint(prop.UsedPercent)));
    SetChanged(false);
    txtName->setFocus();
}

void CatalogPropertiesDialog::DrawPie(int percent)
{
    picDraw->setPixmap(QPixmap::fromImage(DrawUsagePie(percent, PieSize, palette().color(QPalette::Window))));
}

void CatalogPropertiesDialog::SetChanged(bool on)
{
    changed_ = on;
    cmdApply->setEnabled(on);
}

void CatalogPropertiesDialog::showRoot(const QString& root)
{
    shownRoot_ = root;
    lblRootDir->setText(lblRootDir->fontMetrics().elidedText(root, Qt::ElideMiddle, RootWidth));
    lblRootDir->setToolTip(root);
}

void CatalogPropertiesDialog::cmdBrowse_Click()
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
    SetChanged(true);
}

void CatalogPropertiesDialog::cmdOK_Click()
{
    if (changed_)
        ApplyChange();
    accept();
}

QString CatalogPropertiesDialog::typedName() const
{
    // As the list's F2 takes it: a typed ".dat" is the extension.
    return QString::fromStdString(FileWithOutExt(CatalogFileNameOf(txtName->text().toStdString())));
}

bool CatalogPropertiesDialog::differs() const
{
    return txtComment->toPlainText() != comment_ || typedName() != name_ || shownRoot_ != root_;
}

void CatalogPropertiesDialog::ApplyChange()
{
    const std::string libPath = Folders().LibPath;
    if (const QString comment = txtComment->toPlainText(); comment != comment_) {
        if (!ChangeCommentLib(file_.toStdString(), comment.toStdString()))
            return;
        comment_ = comment;
    }
    if (const QString name = typedName(); name != name_) {
        const std::string problem = NewCatalogNameProblem(name.toStdString(), libPath);
        const std::string target = CatalogFileNameOf(txtName->text().toStdString());
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
    SetChanged(differs());
}

bool CatalogPropertiesDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        app_.services.help.showHelp(HelpContext);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

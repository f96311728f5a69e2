#include "viewer/FileViewer.h"

#include "gui/AppContext.h"
#include "gui/AppIcons.h"
#include "gui/MakeControl.h"
#include "gui/PlainText.h"
#include "gui/menu/PopupMenu.h"
#include "gui/services/HelpService.h"
#include "gui/services/Services.h"
#include "language/LangText.h"
#include "viewer/LineView.h"
#include "viewer/ViewedFile.h"
#include "viewer/ViewerPicture.h"
#include "viewer/ViewerText.h"

#include <QApplication>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

namespace {
constexpr int HelpContext = 1008;
constexpr int MenuDrop = 20; // the popup opens 300 twips below the pointer
constexpr int AsciiIcon = 5;
constexpr int HexaIcon = 6;
constexpr int SideBarIcon = 10;
constexpr std::uint32_t SideBarStart = 0x84B642;

// The busy pointer while a view is made.
struct BusyPointer {
    BusyPointer() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
};
} // namespace

FileViewer::FileViewer(AppContext& app, std::string quexelFolder)
    : app_(app), quexel_(app.services.prompter, std::move(quexelFolder))
{
    setObjectName(WindowName);
    setTitle(QStringLiteral("CorvaneDisk View"));
    resize(500, 400);

    pictureArea_ = MakeControl<QScrollArea>(this, "picScroll", {});
    pictureArea_->setFrameShape(QFrame::NoFrame);
    pictureArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pictureArea_->horizontalScrollBar()->setObjectName(QStringLiteral("HScroll"));
    pictureArea_->verticalScrollBar()->setObjectName(QStringLiteral("VScroll"));
    picture_ = new QLabel;
    picture_->setObjectName(QStringLiteral("img"));
    pictureArea_->setWidget(picture_);
    pictureArea_->hide();

    textBox_ = MakeControl<LineView>(this, "rtf", {});
    textBox_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    textBox_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(textBox_, &QWidget::customContextMenuRequested, this, &FileViewer::showMenuAt);

    viewMenu_ = new PopupMenu(this, QStringLiteral("m_cMenu"));
    viewMenu_->setImageList(MenuImageList());
    viewMenu_->addItem(QStringLiteral("&Ascii view"), QStringLiteral("ASCII"), AsciiIcon);
    viewMenu_->addItem(QStringLiteral("&Hexa view"), QStringLiteral("HEXA"), HexaIcon);
    viewMenu_->addItem(QStringLiteral("-"), QString());
    viewMenu_->addItem('&' + PlainMnemonicText(app_.texts.text(TextId::MenuExit)), QStringLiteral("EXIT"));
    viewMenu_->setSideBar(SideBarStart, 0, QStringLiteral("ZQ"), SideBarIcon);
}

void FileViewer::showFile(const std::string& path)
{
    if (!isVisible()) {
        hexView_ = false;
        show();
        raise();
    }
    viewFile(path);
}

void FileViewer::viewFile(const std::string& path)
{
    if (!ViewedFileExists(path)) {
        imageShown_ = false;
        showInTextBox(QString::fromLatin1(MissingText), State::Missing);
        return;
    }
    imageShown_ = true;
    hexView_ = false;
    path_ = path;
    showOwnView();
}

void FileViewer::showHexView()
{
    BusyPointer busy;
    if (hexView_ || !ViewedFileExists(path_))
        return;
    hexView_ = true;
    showHex();
}

void FileViewer::showAsciiView()
{
    BusyPointer busy;
    if (!hexView_ || !ViewedFileExists(path_))
        return;
    hexView_ = false;
    showText();
}

void FileViewer::toggleHexView()
{
    BusyPointer busy;
    if (!ViewedFileExists(path_))
        return;
    hexView_ = !hexView_;
    if (hexView_)
        showHex();
    else if (imageShown_)
        showOwnView();
    else
        showText();
}

// A picture when the file is one; else its text, or the message for a
// picture that does not decode (its bytes are no text to read).
void FileViewer::showOwnView()
{
    ViewerPicture picture = LoadPicture(path_);
    switch (picture.outcome) {
    case ViewerPicture::Outcome::Loaded:
        showPicture(std::move(picture.image));
        return;
    case ViewerPicture::Outcome::NotAPicture:
        imageShown_ = false;
        showText();
        return;
    case ViewerPicture::Outcome::Broken:
        imageShown_ = false;
        showInTextBox(QString::fromLatin1(MissingText), State::Missing);
        return;
    }
}

void FileViewer::showPicture(QImage image)
{
    textBox_->hide();
    textBox_->clear();
    picture_->setPixmap(QPixmap::fromImage(std::move(image)));
    picture_->resize(picture_->pixmap().size());
    pictureArea_->horizontalScrollBar()->setValue(0);
    pictureArea_->verticalScrollBar()->setValue(0);
    pictureArea_->show();
    state_ = State::Picture;
}

void FileViewer::showText()
{
    QString text;
    if (std::optional<FileStart> start = ReadFileStart(path_, ViewerByteLimit)) {
        text = TextForView(start->bytes, start->cut());
        if (start->cut())
            text = PartShownNote(app_.texts, start->bytes.size(), start->fileSize) + "\n\n" + text;
    }
    showInTextBox(text, State::Text);
}

void FileViewer::showHex()
{
    showInTextBox(QString::fromLatin1(WaitText), State::Hex);
    textBox_->repaint();
    QString text;
    if (std::optional<FileStart> start = ReadFileStart(path_, ViewerByteLimit)) {
        const std::string dump = quexel_.dump(start->bytes);
        if (start->cut())
            text = PartShownNote(app_.texts, start->bytes.size(), start->fileSize) + "\n\n";
        text += DumpForView(dump);
    }
    showInTextBox(text, State::Hex);
}

void FileViewer::showInTextBox(const QString& text, State state)
{
    pictureArea_->hide();
    picture_->clear();
    textBox_->setPlainText(text);
    textBox_->show();
    state_ = state;
}

void FileViewer::showMenuAt(const QPoint& at)
{
    const int chosen = viewMenu_->showAt(textBox_->viewport()->mapToGlobal(at) + QPoint(0, MenuDrop));
    const QString key = viewMenu_->key(chosen);
    if (key == QLatin1String("ASCII"))
        showAsciiView();
    else if (key == QLatin1String("HEXA"))
        showHexView();
    else if (key == QLatin1String("EXIT"))
        hide();
}

void FileViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        app_.services.help.showHelp(HelpContext);
        return;
    }
    if (event->key() == Qt::Key_H && (event->modifiers() & Qt::ControlModifier)) {
        if (!event->isAutoRepeat())
            toggleHexView();
        return;
    }
    FramedWindow::keyPressEvent(event); // Esc closes
}

void FileViewer::layoutContent(const QRect& inner)
{
    pictureArea_->setGeometry(inner);
    textBox_->setGeometry(inner);
}

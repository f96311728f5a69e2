#include "mainwindow/UsageWindow.h"

#include "gui/SideBarLogo.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

UsageWindow::UsageWindow(const QString& usageText, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle("Usage of CorvaneDisk");
    sideBar_ = new QLabel(this);
    sideBar_->setFixedWidth(24);
    sideBar_->setCursor(Qt::SizeAllCursor);
    sideBar_->installEventFilter(this);
    QFont bold = sideBar_->font();
    bold.setBold(true);
    sideBar_->setFont(bold);
    QPalette sidePalette = sideBar_->palette();
    sidePalette.setColor(QPalette::WindowText, Qt::white);
    sideBar_->setPalette(sidePalette);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString text = usageText;
    text.replace("\r\n", "\n");
    text_->setPlainText(text);

    okButton_ = new QPushButton("OK", this);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(text_);
    right->addWidget(okButton_, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    row->addWidget(sideBar_);
    row->addLayout(right);
    // The whole text when the screen allows, centred.
    QFontMetrics fm(text_->font());
    QSize wanted(fm.horizontalAdvance(QString(72, 'x')) + 60, fm.lineSpacing() * 44 + 60);
    QRect screenArea = screen()->availableGeometry();
    resize(wanted.boundedTo(screenArea.size() * 0.9));
    move(screenArea.center() - rect().center());
}

void UsageWindow::drawSideBar()
{
    SideBarLogo logo;
    logo.setDrawingObject(sideBar_);
    logo.setStartColor(0x84B642);
    logo.setEndColor(0);
    logo.setCaption("Usage of CorvaneDisk");
    logo.setImageList({QPixmap(), style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16)});
    logo.setIconIndex(1);
    logo.draw();
}

void UsageWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drawSideBar();
}

void UsageWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    drawSideBar();
}

bool UsageWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != sideBar_)
        return QDialog::eventFilter(watched, event);
    auto cursor = [event] { return static_cast<QMouseEvent*>(event)->globalPosition().toPoint(); };
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        lastCursor_ = cursor();
        dragging_ = true;
        return true;
    case QEvent::MouseMove:
        if (dragging_) {
            QPoint now = cursor();
            move(pos() + (now - lastCursor_));
            lastCursor_ = now;
        }
        return true;
    case QEvent::MouseButtonRelease:
        dragging_ = false;
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

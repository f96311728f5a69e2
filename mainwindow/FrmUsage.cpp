#include "mainwindow/FrmUsage.h"

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

FrmUsage::FrmUsage(const QString& usageText, QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setWindowTitle("Usage of CorvaneDisk");
    picSideBar_ = new QLabel(this);
    picSideBar_->setFixedWidth(24);
    picSideBar_->setCursor(Qt::SizeAllCursor);
    picSideBar_->installEventFilter(this);
    QFont bold = picSideBar_->font();
    bold.setBold(true);
    picSideBar_->setFont(bold);
    QPalette sidePalette = picSideBar_->palette();
    sidePalette.setColor(QPalette::WindowText, Qt::white);
    picSideBar_->setPalette(sidePalette);

    txtUsage_ = new QPlainTextEdit(this);
    txtUsage_->setReadOnly(true);
    txtUsage_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtUsage_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString text = usageText;
    text.replace("\r\n", "\n");
    txtUsage_->setPlainText(text);

    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);

    auto* right = new QVBoxLayout;
    right->addWidget(txtUsage_);
    right->addWidget(cmdOK_, 0, Qt::AlignRight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 8, 8);
    row->addWidget(picSideBar_);
    row->addLayout(right);
    // The whole text when the screen allows, centred.
    QFontMetrics fm(txtUsage_->font());
    QSize wanted(fm.horizontalAdvance(QString(72, 'x')) + 60, fm.lineSpacing() * 44 + 60);
    QRect screenArea = screen()->availableGeometry();
    resize(wanted.boundedTo(screenArea.size() * 0.9));
    move(screenArea.center() - rect().center());
}

void FrmUsage::drawSideBar()
{
    SideBarLogo logo;
    logo.setDrawingObject(picSideBar_);
    logo.setStartColor(0x84B642);
    logo.setEndColor(0);
    logo.setCaption("Usage of CorvaneDisk");
    logo.setImageList({QPixmap(), style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(16)});
    logo.setIconIndex(1);
    logo.Draw();
}

void FrmUsage::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    drawSideBar();
}

void FrmUsage::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    drawSideBar();
}

bool FrmUsage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != picSideBar_)
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

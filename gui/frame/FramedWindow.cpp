#include "gui/frame/FramedWindow.h"

#include "gui/frame/FramePiece.h"
#include "gui/frame/WindowDragger.h"
#include "gui/widgets/ButtonWeb.h"

#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

FramedWindow::FramedWindow(QWidget* parent) : QWidget(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    picGH = new FramePiece(this, "picGH", {5, 19});
    picH = new FramePiece(this, "picH", {100, 19});
    picDH = new FramePiece(this, "picDH", {6, 19});
    picG = new FramePiece(this, "picG", {5, 100});
    picD = new FramePiece(this, "picD", {4, 100});
    picGB = new FramePiece(this, "picGB", {7, 5});
    picB = new FramePiece(this, "picB", {100, 4});
    picDB = new FramePiece(this, "picDB", {16, 16});
    picDB->setCursor(Qt::SizeFDiagCursor);
    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->move(5, 2);
    lblTitle->setAttribute(Qt::WA_TransparentForMouseEvents); // the title bar under it drags
    BWExit = new ButtonWeb(this);
    BWExit->setObjectName(QStringLiteral("BWExit"));
    BWExit->resize(7, 7);
    BWMax = new ButtonWeb(this);
    BWMax->setObjectName(QStringLiteral("BWMax"));
    BWMax->resize(9, 7);
    connect(BWExit, &ButtonWeb::clicked, this, &QWidget::hide);
    connect(BWMax, &ButtonWeb::clicked, this, &FramedWindow::BWMax_Click);

    dragger_ = new WindowDragger(this, [] { return true; });
    dragger_->addHandle(this);
    dragger_->addHandle(picH);
    picDB->installEventFilter(this);
}

void FramedWindow::BWMax_Click()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

int FramedWindow::contentTop() const
{
    return picH->pieceSize().height();
}

QRect FramedWindow::contentArea() const
{
    const int left = picG->pieceSize().width();
    const int right = picD->pieceSize().width();
    const int bottom = picB->pieceSize().height();
    return QRect(left, contentTop(), width() - left - right, height() - contentTop() - bottom);
}

void FramedWindow::layoutPass()
{
    const QSize least = minimumFrameSize();
    if (minimumSize() != least)
        setMinimumSize(least); // the platform keeps the window from shrinking further
    if (width() < least.width() || height() < least.height()) {
        resize(std::max(width(), least.width()), std::max(height(), least.height()));
        return; // the resize runs this pass again
    }
    const int W = width(), H = height();
    const QSize gh = picGH->pieceSize(), dh = picDH->pieceSize(), gb = picGB->pieceSize(), db = picDB->pieceSize();
    const int gw = picG->pieceSize().width(), dw = picD->pieceSize().width();
    const int hh = picH->pieceSize().height(), bh = picB->pieceSize().height();
    picGH->setGeometry(0, 0, gh.width(), gh.height());
    picGB->setGeometry(0, H - gb.height(), gb.width(), gb.height());
    picDH->setGeometry(W - dh.width(), 0, dh.width(), dh.height());
    picDB->setGeometry(W - db.width(), H - db.height(), db.width(), db.height());
    picG->setGeometry(0, gh.height(), gw, H - gh.height() - gb.height());
    picD->setGeometry(W - dw, dh.height(), dw, H - dh.height() - db.height());
    picH->setGeometry(gh.width(), 0, W - gh.width() - dh.width(), hh);
    picB->setGeometry(gb.width(), H - bh, W - gb.width() - db.width(), bh);
    BWExit->move(W - BWExit->width() - dw, hh / 2 - BWExit->height() / 2);
    BWMax->move(W - BWMax->width() - BWExit->width() - 2 * dw, hh / 2 - BWMax->height() / 2);
    for (QWidget* w : {static_cast<QWidget*>(picH), static_cast<QWidget*>(picDH)})
        w->lower();
    lblTitle->raise();
    BWExit->raise();
    BWMax->raise();
    picDB->raise();
    layoutContent(contentArea());
}

void FramedWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutPass();
}

void FramedWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    layoutPass();
}

void FramedWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FramedWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picDB) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            resizing_ = true;
            last_ = QCursor::pos();
            return true;
        case QEvent::MouseMove:
            if (resizing_) {
                const QPoint now = QCursor::pos();
                const QPoint d = now - last_;
                last_ = now;
                if (!isMaximized() && !isMinimized())
                    resize(width() + d.x(), height() + d.y());
                return true;
            }
            break;
        case QEvent::MouseButtonRelease:
            resizing_ = false;
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

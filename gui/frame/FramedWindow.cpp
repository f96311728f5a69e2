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
    topLeftPiece = new FramePiece(this, "picGH", {5, 19});
    topPiece = new FramePiece(this, "picH", {100, 19});
    topRightPiece = new FramePiece(this, "picDH", {6, 19});
    leftPiece = new FramePiece(this, "picG", {5, 100});
    rightPiece = new FramePiece(this, "picD", {4, 100});
    bottomLeftPiece = new FramePiece(this, "picGB", {7, 5});
    bottomPiece = new FramePiece(this, "picB", {100, 4});
    bottomRightPiece = new FramePiece(this, "picDB", {16, 16});
    bottomRightPiece->setCursor(Qt::SizeFDiagCursor);
    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("lblTitle"));
    titleLabel->move(5, 2);
    titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents); // the title bar under it drags
    closeButton = new ButtonWeb(this);
    closeButton->setObjectName(QStringLiteral("BWExit"));
    closeButton->resize(7, 7);
    maximizeButton = new ButtonWeb(this);
    maximizeButton->setObjectName(QStringLiteral("BWMax"));
    maximizeButton->resize(9, 7);
    connect(closeButton, &ButtonWeb::clicked, this, &QWidget::hide);
    connect(maximizeButton, &ButtonWeb::clicked, this, &FramedWindow::toggleMaximized);

    dragger_ = new WindowDragger(this, [] { return true; });
    dragger_->addHandle(this);
    dragger_->addHandle(topPiece);
    bottomRightPiece->installEventFilter(this);
}

void FramedWindow::toggleMaximized()
{
    if (isMaximized())
        showNormal();
    else
        showMaximized();
}

int FramedWindow::contentTop() const
{
    return topPiece->pieceSize().height();
}

QRect FramedWindow::contentArea() const
{
    const int left = leftPiece->pieceSize().width();
    const int right = rightPiece->pieceSize().width();
    const int bottom = bottomPiece->pieceSize().height();
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
    const QSize gh = topLeftPiece->pieceSize(), dh = topRightPiece->pieceSize(), gb = bottomLeftPiece->pieceSize(),
                db = bottomRightPiece->pieceSize();
    const int gw = leftPiece->pieceSize().width(), dw = rightPiece->pieceSize().width();
    const int hh = topPiece->pieceSize().height(), bh = bottomPiece->pieceSize().height();
    topLeftPiece->setGeometry(0, 0, gh.width(), gh.height());
    bottomLeftPiece->setGeometry(0, H - gb.height(), gb.width(), gb.height());
    topRightPiece->setGeometry(W - dh.width(), 0, dh.width(), dh.height());
    bottomRightPiece->setGeometry(W - db.width(), H - db.height(), db.width(), db.height());
    leftPiece->setGeometry(0, gh.height(), gw, H - gh.height() - gb.height());
    rightPiece->setGeometry(W - dw, dh.height(), dw, H - dh.height() - db.height());
    topPiece->setGeometry(gh.width(), 0, W - gh.width() - dh.width(), hh);
    bottomPiece->setGeometry(gb.width(), H - bh, W - gb.width() - db.width(), bh);
    closeButton->move(W - closeButton->width() - dw, hh / 2 - closeButton->height() / 2);
    maximizeButton->move(W - maximizeButton->width() - closeButton->width() - 2 * dw,
                         hh / 2 - maximizeButton->height() / 2);
    for (QWidget* w : {static_cast<QWidget*>(topPiece), static_cast<QWidget*>(topRightPiece)})
        w->lower();
    titleLabel->raise();
    closeButton->raise();
    maximizeButton->raise();
    bottomRightPiece->raise();
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
    if (watched == bottomRightPiece) {
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

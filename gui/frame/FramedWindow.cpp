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
    topLeftPiece_ = new FramePiece(this, "picGH", {5, 19});
    topPiece_ = new FramePiece(this, "picH", {100, 19});
    topRightPiece_ = new FramePiece(this, "picDH", {6, 19});
    leftPiece_ = new FramePiece(this, "picG", {5, 100});
    rightPiece_ = new FramePiece(this, "picD", {4, 100});
    bottomLeftPiece_ = new FramePiece(this, "picGB", {7, 5});
    bottomPiece_ = new FramePiece(this, "picB", {100, 4});
    bottomRightPiece_ = new FramePiece(this, "picDB", {16, 16});
    bottomRightPiece_->setCursor(Qt::SizeFDiagCursor);
    titleLabel_ = new QLabel(this);
    titleLabel_->setObjectName(QStringLiteral("lblTitle"));
    titleLabel_->move(5, 2);
    titleLabel_->setAttribute(Qt::WA_TransparentForMouseEvents); // the title bar under it drags
    closeButton_ = new ButtonWeb(this);
    closeButton_->setObjectName(QStringLiteral("BWExit"));
    closeButton_->resize(7, 7);
    maximizeButton_ = new ButtonWeb(this);
    maximizeButton_->setObjectName(QStringLiteral("BWMax"));
    maximizeButton_->resize(9, 7);
    connect(closeButton_, &ButtonWeb::clicked, this, &QWidget::hide);
    connect(maximizeButton_, &ButtonWeb::clicked, this, &FramedWindow::toggleMaximized);

    dragger_ = new WindowDragger(this, [] { return true; });
    dragger_->addHandle(this);
    dragger_->addHandle(topPiece_);
    bottomRightPiece_->installEventFilter(this);
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
    return edgeThickness().top();
}

QRect FramedWindow::contentArea() const
{
    const QMargins edges = edgeThickness();
    return QRect(edges.left(), contentTop(), width() - edges.left() - edges.right(),
                 height() - contentTop() - edges.bottom());
}

QMargins FramedWindow::edgeThickness() const
{
    return {leftPiece_->pieceSize().width(), topPiece_->pieceSize().height(), rightPiece_->pieceSize().width(),
            bottomPiece_->pieceSize().height()};
}

int FramedWindow::topLeftCornerHeight() const
{
    return topLeftPiece_->pieceSize().height();
}

int FramedWindow::leftEdgeLength() const
{
    return leftPiece_->height();
}

void FramedWindow::setTitle(const QString& title)
{
    setWindowTitle(title);
    titleLabel_->setText(title);
    fitTitle();
}

void FramedWindow::fitTitle()
{
    titleLabel_->adjustSize();
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
    const QSize gh = topLeftPiece_->pieceSize(), dh = topRightPiece_->pieceSize(), gb = bottomLeftPiece_->pieceSize(),
                db = bottomRightPiece_->pieceSize();
    const int gw = leftPiece_->pieceSize().width(), dw = rightPiece_->pieceSize().width();
    const int hh = topPiece_->pieceSize().height(), bh = bottomPiece_->pieceSize().height();
    topLeftPiece_->setGeometry(0, 0, gh.width(), gh.height());
    bottomLeftPiece_->setGeometry(0, H - gb.height(), gb.width(), gb.height());
    topRightPiece_->setGeometry(W - dh.width(), 0, dh.width(), dh.height());
    bottomRightPiece_->setGeometry(W - db.width(), H - db.height(), db.width(), db.height());
    leftPiece_->setGeometry(0, gh.height(), gw, H - gh.height() - gb.height());
    rightPiece_->setGeometry(W - dw, dh.height(), dw, H - dh.height() - db.height());
    topPiece_->setGeometry(gh.width(), 0, W - gh.width() - dh.width(), hh);
    bottomPiece_->setGeometry(gb.width(), H - bh, W - gb.width() - db.width(), bh);
    closeButton_->move(W - closeButton_->width() - dw, hh / 2 - closeButton_->height() / 2);
    maximizeButton_->move(W - maximizeButton_->width() - closeButton_->width() - 2 * dw,
                          hh / 2 - maximizeButton_->height() / 2);
    for (QWidget* w : {static_cast<QWidget*>(topPiece_), static_cast<QWidget*>(topRightPiece_)})
        w->lower();
    titleLabel_->raise();
    closeButton_->raise();
    maximizeButton_->raise();
    bottomRightPiece_->raise();
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
    if (watched == bottomRightPiece_) {
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

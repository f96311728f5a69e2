#include "viewer/LineView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace {
constexpr int Margin = 4; // pixels before the first character, as a text box leaves
// Longer lines are drawn only where they are in sight: one of megabytes would
// take seconds to shape. (Tabs in such a line then take one column.)
constexpr qsizetype LongLine = 1000;
constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextExpandTabs | Qt::TextDontClip;
} // namespace

LineView::LineView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    setPlainText(QString());
}

void LineView::setPlainText(const QString& text)
{
    text_ = text;
    starts_.assign(1, 0);
    longest_ = 0;
    const QChar* chars = text_.constData();
    for (qsizetype i = 0; i < text_.size(); ++i) {
        if (chars[i] == QLatin1Char('\n')) {
            longest_ = std::max(longest_, i - starts_.back());
            starts_.push_back(i + 1);
        }
    }
    longest_ = std::max(longest_, text_.size() - starts_.back());
    anchor_ = extent_ = -1;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

int LineView::firstVisibleLine() const
{
    return verticalScrollBar()->value();
}

int LineView::lineAt(int y) const
{
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    return std::clamp(firstVisibleLine() + std::max(0, y) / lineHeight, 0, lineCount() - 1);
}

QString LineView::selectedText() const
{
    if (anchor_ < 0)
        return QString();
    const qsizetype start = starts_[std::size_t(std::min(anchor_, extent_))];
    const std::size_t after = std::size_t(std::max(anchor_, extent_)) + 1;
    const qsizetype end = after < starts_.size() ? starts_[after] - 1 : text_.size();
    return text_.mid(start, end - start);
}

QStringView LineView::line(int n) const
{
    const qsizetype start = starts_[std::size_t(n)];
    qsizetype end = std::size_t(n) + 1 < starts_.size() ? starts_[std::size_t(n) + 1] - 1 : text_.size();
    if (end > start && text_[end - 1] == QLatin1Char('\r'))
        --end;
    return QStringView(text_).mid(start, end - start);
}

int LineView::charWidth() const
{
    return std::max(1, fontMetrics().horizontalAdvance(QLatin1Char('0')));
}

void LineView::updateScrollBars()
{
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    const int shown = std::max(1, viewport()->height() / lineHeight);
    QScrollBar* down = verticalScrollBar();
    down->setRange(0, std::max(0, lineCount() - shown));
    down->setPageStep(shown);
    down->setSingleStep(1);
    const int cw = charWidth();
    const qint64 width = qint64(longest_) * cw + 2 * Margin;
    QScrollBar* across = horizontalScrollBar();
    across->setRange(0, int(std::clamp<qint64>(width - viewport()->width(), 0, INT_MAX / 2)));
    across->setPageStep(viewport()->width());
    across->setSingleStep(cw);
}

void LineView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const int lineHeight = std::max(1, fontMetrics().lineSpacing());
    const int cw = charWidth();
    const int across = horizontalScrollBar()->value();
    const int first = firstVisibleLine() + event->rect().top() / lineHeight;
    const int last = std::min(lineCount() - 1, firstVisibleLine() + event->rect().bottom() / lineHeight);
    const int columns = viewport()->width() / cw + 2;
    const int chosenFrom = std::min(anchor_, extent_), chosenTo = std::max(anchor_, extent_);
    for (int n = first; n <= last; ++n) {
        const QStringView text = line(n);
        const int y = (n - firstVisibleLine()) * lineHeight;
        const bool chosen = n >= chosenFrom && n <= chosenTo;
        if (chosen)
            painter.fillRect(0, y, viewport()->width(), lineHeight, palette().color(QPalette::Highlight));
        painter.setPen(palette().color(chosen ? QPalette::HighlightedText : QPalette::Text));
        qsizetype from = 0;
        QStringView shown = text;
        if (text.size() > LongLine) {
            from = std::min<qsizetype>(text.size(), std::max(0, across - Margin) / cw);
            shown = text.mid(from, columns);
        }
        const qreal x = Margin + qreal(from) * cw - across;
        painter.drawText(QRectF(x, y, qreal(viewport()->width()) + cw - x, lineHeight), TextFlags, shown.toString());
    }
}

void LineView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineView::changeEvent(QEvent* event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateScrollBars();
}

void LineView::keyPressEvent(QKeyEvent* event)
{
    if (event == QKeySequence::SelectAll) {
        anchor_ = 0;
        extent_ = lineCount() - 1;
        viewport()->update();
        return;
    }
    if (event == QKeySequence::Copy) {
        if (anchor_ >= 0)
            QGuiApplication::clipboard()->setText(selectedText());
        return;
    }
    const bool control = event->modifiers() == Qt::ControlModifier;
    if (control && event->key() == Qt::Key_Home) {
        verticalScrollBar()->setValue(0);
        return;
    }
    if (control && event->key() == Qt::Key_End) {
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LineView::scrollContentsBy(int, int)
{
    viewport()->update();
}

void LineView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    anchor_ = extent_ = lineAt(int(event->position().y()));
    viewport()->update();
}

void LineView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || anchor_ < 0)
        return;
    const int y = int(event->position().y());
    // Dragging past an edge scrolls on.
    if (y < 0)
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (y >= viewport()->height())
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    extent_ = lineAt(std::min(y, viewport()->height() - 1));
    viewport()->update();
}

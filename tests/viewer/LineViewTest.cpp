#include "viewer/LineView.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// Whether any pixel of the view's visible text area differs from its background.
bool ShowsText(LineView& view)
{
    const QImage shot = view.viewport()->grab().toImage();
    const QRgb background = view.palette().color(QPalette::Base).rgb();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != background)
                return true;
    return false;
}

void Press(QWidget& target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(&target, &press);
}

} // namespace

TEST(LineView, MillionsOfShortLinesScrollByLineAndKey)
{
    LineView view;
    view.resize(300, 200);
    view.show();
    QString text;
    for (int i = 0; i < 2'000'000; ++i)
        text += i == 1'999'999 ? QStringLiteral("last") : QStringLiteral("a\n");
    view.setPlainText(text);
    EXPECT_EQ(view.lineCount(), 2'000'000);
    EXPECT_EQ(view.toPlainText(), text);
    QScrollBar* down = view.verticalScrollBar();
    EXPECT_GT(down->maximum(), 1'999'000);
    EXPECT_GT(down->pageStep(), 1);
    Press(view, Qt::Key_Down);
    EXPECT_EQ(view.firstVisibleLine(), 1);
    Press(view, Qt::Key_PageDown);
    EXPECT_EQ(view.firstVisibleLine(), 1 + down->pageStep());
    Press(view, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(view.firstVisibleLine() + down->pageStep(), 2'000'000);
    EXPECT_TRUE(ShowsText(view));
    Press(view, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(view.firstVisibleLine(), 0);

    // A new text starts at its top; an empty one shows nothing.
    view.setPlainText(QStringLiteral("one\r\ntwo\r\n"));
    EXPECT_EQ(view.lineCount(), 3);
    EXPECT_EQ(down->maximum(), 0);
    view.clear();
    EXPECT_EQ(view.lineCount(), 1);
    EXPECT_FALSE(ShowsText(view));
}

TEST(LineView, OneLongLineScrollsAcrossToItsEnd)
{
    LineView view;
    view.resize(300, 200);
    view.show();
    const QString text = QString(4 << 20, ' ') + QStringLiteral("end");
    view.setPlainText(text);
    EXPECT_EQ(view.lineCount(), 1);
    QScrollBar* across = view.horizontalScrollBar();
    EXPECT_GT(across->maximum(), 4 << 20);
    EXPECT_FALSE(ShowsText(view)); // blanks only in sight
    across->setValue(across->maximum());
    EXPECT_TRUE(ShowsText(view)); // "end"
}

TEST(LineView, WholeLinesAreChosenByMouseOrCtrlAAndCopied)
{
    LineView view;
    view.resize(300, 200);
    view.show();
    view.setPlainText(QStringLiteral("zero\none\r\ntwo\nthree\nfour"));
    EXPECT_EQ(view.selectedText(), "");
    const int lineHeight = view.fontMetrics().lineSpacing();
    auto at = [&](int line) { return QPointF(20, line * lineHeight + lineHeight / 2); };
    QMouseEvent press(QEvent::MouseButtonPress, at(3), view.viewport()->mapToGlobal(at(3)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &press);
    QMouseEvent drag(QEvent::MouseMove, at(1), view.viewport()->mapToGlobal(at(1)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view.viewport(), &drag);
    EXPECT_EQ(view.selectedText(), "one\r\ntwo\nthree");
    Press(view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "one\r\ntwo\nthree");
    Press(view, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view.selectedText(), view.toPlainText());
    view.setPlainText(QStringLiteral("new")); // a new text starts unchosen
    EXPECT_EQ(view.selectedText(), "");
}

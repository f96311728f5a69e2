#include "engine/start/UsageText.h"
#include "mainwindow/UsageWindow.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
void mouse(QWidget* w, QEvent::Type type, QPoint global)
{
    QMouseEvent e(type, QPointF(5, 5), QPointF(global), Qt::LeftButton,
                  type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}
} // namespace

TEST(UsageWindow, ShowsTheUsageTextAndDragsOnlyAfterAPress)
{
    UsageWindow w(QString::fromUtf8(UsageText.data(), qsizetype(UsageText.size())));
    w.move(100, 100);
    w.show();
    QString text = w.usageText()->toPlainText();
    EXPECT_TRUE(text.startsWith("\nFor create catalog :\n"));
    EXPECT_TRUE(text.contains("    -c:<Disk Folder>      : Create Library of disk folder\n"));
    EXPECT_TRUE(w.usageText()->isReadOnly());
    EXPECT_FALSE(w.sideBar()->pixmap().isNull());

    mouse(w.sideBar(), QEvent::MouseMove, {300, 300}); // no press: stays
    EXPECT_EQ(w.pos(), QPoint(100, 100));
    mouse(w.sideBar(), QEvent::MouseButtonPress, {200, 200});
    mouse(w.sideBar(), QEvent::MouseMove, {230, 190});
    EXPECT_EQ(w.pos(), QPoint(130, 90));
    mouse(w.sideBar(), QEvent::MouseButtonRelease, {230, 190});
    mouse(w.sideBar(), QEvent::MouseMove, {400, 400});
    EXPECT_EQ(w.pos(), QPoint(130, 90));

    w.okButton()->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_FALSE(w.isVisible());
}

#pragma once
// The gradient side bar down the left edge of the options dialog and the
// about box: green at the bottom to black at the top, an icon near the bottom
// and a caption written upwards. The window is dragged by it (without
// snapping to the screen's edges). It also draws the thin border such a
// frameless window needs round itself.

#include <QObject>
#include <QPixmap>

#include <memory>

class SideBarLogo;
class QLabel;
class QWidget;

class DialogSideBar : public QObject {
    Q_OBJECT
public:
    // Adds the picture box picSideBar to window.
    DialogSideBar(QWidget& window, const QPixmap& icon);
    ~DialogSideBar() override;

    QLabel* picture() const { return bar_; }
    void setCaption(const QString& caption);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QLabel* bar_;
    std::unique_ptr<SideBarLogo> logo_;
};

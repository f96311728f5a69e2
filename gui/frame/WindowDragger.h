#pragma once
// Moving a frameless window by pressing on its surface or on its title, with
// the snap to the screen's edges: a window whose edge comes within 135 twips
// (9 pixels) of the screen's edge is put flush against it, which also keeps
// it wholly on the screen.

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>

class QWidget;

inline constexpr int SnapDistancePixels = 9; // 135 twips

// The window's new top-left corner after the snap, screen pixels. Each
// coordinate is snapped separately, the near edge first.
QPoint SnapToScreenEdges(QPoint topLeft, QSize size, const QRect& screen);

class WindowDragger : public QObject {
    Q_OBJECT
public:
    // snap decides at each move whether the edges attract the window.
    WindowDragger(QWidget* window, std::function<bool()> snap);

    // A widget whose presses start a drag (the window itself, its title...).
    void addHandle(QWidget* handle);

    // The steps of a drag, also for windows that route their own events here.
    void press(const QPoint& cursor);
    void move(const QPoint& cursor);
    void release() { dragging_ = false; }

signals:
    void moved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    std::function<bool()> snap_;
    bool dragging_ = false;
    QPoint grip_; // the cursor's offset from the window's corner at the press
};

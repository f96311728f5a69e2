#pragma once
// The chrome of the secondary windows (search results, browser, viewer): a
// frameless window framed by eight skin pictures, moved by its title bar or
// its bare surface with the edge snap always on, resized by the bottom-right
// grip, maximised and restored by its own button, hidden by its close button
// or Esc. One layout pass places the frame, the two buttons and the window's
// own content whenever the size changes.

#include <QWidget>

class ButtonWeb;
class FramePiece;
class QLabel;
class WindowDragger;

class FramedWindow : public QWidget {
    Q_OBJECT
public:
    explicit FramedWindow(QWidget* parent = nullptr);

    // The frame's eight pieces; skins name them picGH ... picDB, after their
    // letters: G left, D right, H top, B bottom.
    FramePiece* topLeftPiece;
    FramePiece* topPiece;
    FramePiece* topRightPiece;
    FramePiece* leftPiece;
    FramePiece* rightPiece;
    FramePiece* bottomLeftPiece;
    FramePiece* bottomPiece;
    FramePiece* bottomRightPiece; // also the resize grip
    ButtonWeb* closeButton;
    ButtonWeb* maximizeButton;
    QLabel* titleLabel;

    // The inside of the frame: where the content goes.
    QRect contentArea() const;

public slots:
    void toggleMaximized();

protected:
    // Places the window's own content; inner is contentArea().
    virtual void layoutContent(const QRect& inner) = 0;
    // Below this size the pass grows the window back (2000 twips each way).
    virtual QSize minimumFrameSize() const { return {133, 133}; }
    // Where the content starts: under the title bar unless a window says so.
    virtual int contentTop() const;
    // The layout pass; runs on every size change, or when a window asks.
    void layoutPass();

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override; // the skin may have changed the pieces
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    WindowDragger* dragger_;
    bool resizing_ = false;
    QPoint last_;
};

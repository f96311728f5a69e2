#pragma once
// The chrome of the secondary windows (search results, browser, viewer): a
// frameless window framed by eight skin pictures, moved by its title bar or
// its bare surface with the edge snap always on, resized by the bottom-right
// grip, maximised and restored by its own button, hidden by its close button
// or Esc. One layout pass places the frame, the two buttons and the window's
// own content whenever the size changes.

#include <QMargins>
#include <QWidget>

class ButtonWeb;
class FramePiece;
class QLabel;
class WindowDragger;

class FramedWindow : public QWidget {
    Q_OBJECT
public:
    explicit FramedWindow(QWidget* parent = nullptr);

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
    // The window's title, written in its title bar too.
    void setTitle(const QString& title);
    // The title bar's text sized again, after a language file wrote it.
    void fitTitle();
    // The frame as the skin drew it: each edge's thickness, the top-left
    // corner's height, and the left edge's length between its corners as
    // the last pass placed it.
    QMargins edgeThickness() const;
    int topLeftCornerHeight() const;
    int leftEdgeLength() const;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override; // the skin may have changed the pieces
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame's eight pieces; skins name them picGH ... picDB, after their
    // letters: G left, D right, H top, B bottom.
    FramePiece* topLeftPiece_ = nullptr;
    FramePiece* topPiece_ = nullptr;
    FramePiece* topRightPiece_ = nullptr;
    FramePiece* leftPiece_ = nullptr;
    FramePiece* rightPiece_ = nullptr;
    FramePiece* bottomLeftPiece_ = nullptr;
    FramePiece* bottomPiece_ = nullptr;
    FramePiece* bottomRightPiece_ = nullptr; // also the resize grip
    ButtonWeb* closeButton_ = nullptr;
    ButtonWeb* maximizeButton_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    WindowDragger* dragger_ = nullptr;
    bool resizing_ = false;
    QPoint last_;
};

#pragma once
// The bar between the browser's folder tree and its file list: pressed and
// dragged, it tells how far the pointer moved (screen pixels) at each move,
// until the button is released, also when the pointer leaves it.

#include "gui/frame/FramePiece.h"

class SplitBar : public FramePiece {
    Q_OBJECT
public:
    SplitBar(QWidget* parent, const char* name, QSize design);

signals:
    void dragged(int dx);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool splitting_ = false;
    int lastX_ = 0;
};

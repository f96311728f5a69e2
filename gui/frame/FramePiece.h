#pragma once
// One piece of a window's frame: its skin picture from the top-left corner,
// repeated along the piece when the piece is longer than the picture (the
// edges of a large window), the frame colour where there is no picture.

#include "gui/widgets/PictureBox.h"

class FramePiece : public PictureBox {
    Q_OBJECT
public:
    // design: the piece's size while no skin gives it a picture.
    FramePiece(QWidget* parent, const char* name, QSize design);

    // The thickness the layout pass keeps: the picture's, else the design's.
    QSize pieceSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize design_;
};

#pragma once
// A window without the system's frame, drawn like a picture box: its
// background colour, then its background picture (Picture) from the top-left
// corner. An outline made from a skin's mask cuts its shape.

#include "gui/widgets/PictureBox.h"

class QBitmap;
class QImage;

class SkinnedForm : public PictureBox {
    Q_OBJECT

public:
    explicit SkinnedForm(QWidget* parent = nullptr);
};

// A window's outline from a mask picture: its dark pixels are the window,
// its light ones are cut away; so is everything beyond the mask.
QBitmap OutlineFromMask(const QImage& mask);

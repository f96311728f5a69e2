#include "gui/widgets/SkinnedForm.h"

#include <QBitmap>
#include <QImage>

SkinnedForm::SkinnedForm(QWidget* parent) : PictureBox(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

QBitmap OutlineFromMask(const QImage& mask)
{
    const QImage grey = mask.convertToFormat(QImage::Format_Grayscale8);
    QImage outline(mask.size(), QImage::Format_MonoLSB);
    outline.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)}); // 1 is black: part of the window
    for (int y = 0; y < grey.height(); ++y) {
        const uchar* in = grey.constScanLine(y);
        for (int x = 0; x < grey.width(); ++x)
            outline.setPixel(x, y, in[x] < 128 ? 1 : 0);
    }
    return QBitmap::fromImage(outline);
}

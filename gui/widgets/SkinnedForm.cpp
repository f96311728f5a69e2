#include "gui/widgets/SkinnedForm.h"

#include <QBitmap>
#include <QImage>

SkinnedForm::SkinnedForm(QWidget* parent) : PictureBox(parent)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

QBitmap OutlineFromMask(const QImage& mask)
{
    // Dark pixels (grey below half) become set bits: the window.
    return QBitmap::fromImage(mask.convertToFormat(QImage::Format_Grayscale8),
                              Qt::MonoOnly | Qt::ThresholdDither | Qt::AvoidDither);
}

#pragma once
// The skin's push button: PictureOut normally, PictureIn under the pointer,
// PictureDown while pressed; clicked() when released over it.

#include "gui/widgets/PictureButton.h"

class ButtonWeb : public PictureButton {
    Q_OBJECT
    Q_PROPERTY(QPixmap PictureOut READ pictureOut WRITE setPictureOut)
    Q_PROPERTY(QPixmap PictureIn READ pictureIn WRITE setPictureIn)
    Q_PROPERTY(QPixmap PictureDown READ pictureDown WRITE setPictureDown)

public:
    explicit ButtonWeb(QWidget* parent = nullptr);

    QPixmap pictureOut() const { return out_; }
    QPixmap pictureIn() const { return in_; }
    QPixmap pictureDown() const { return down_; }
    void setPictureOut(const QPixmap& p) { assign(out_, p); }
    void setPictureIn(const QPixmap& p) { assign(in_, p); }
    void setPictureDown(const QPixmap& p) { assign(down_, p); }

    // A state without a picture shows PictureOut.
    QPixmap currentPicture() const override;

protected:
    void paintFallback(QPainter& painter) override;

private:
    QPixmap out_, in_, down_;
};

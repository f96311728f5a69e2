#pragma once
// What the skin's picture buttons share: one picture for the current state
// (pressed, under the pointer, or neither), drawn at its own size from the
// top-left corner, and a plain look while there is none; a mark along the
// edge while it has the keyboard focus.

#include <QAbstractButton>
#include <QPixmap>

class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(QWidget* parent = nullptr);

    // The picture the button shows now; null when it draws its plain look.
    virtual QPixmap currentPicture() const = 0;
    bool hovered() const { return underMouse(); }
    QSize sizeHint() const override; // the picture's size

protected:
    virtual void paintFallback(QPainter& painter) = 0;
    void paintEvent(QPaintEvent* event) override;
    // Sets one picture and repaints.
    void assign(QPixmap& slot, const QPixmap& picture);
};

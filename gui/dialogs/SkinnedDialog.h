#pragma once
// A small modal window without the system's frame, skinned like the main
// window: its background colour, then its background picture (Picture), and
// moved by pressing anywhere on its background. It does not snap to edges.

#include <QDialog>
#include <QPixmap>

class SkinnedDialog : public QDialog {
    Q_OBJECT
    Q_PROPERTY(QPixmap Picture READ picture WRITE setPicture)

public:
    explicit SkinnedDialog(QWidget* parent = nullptr);

    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

#pragma once
// A colour input: a button that shows its colour and its hexadecimal value.
// A click opens a palette of common colours with "Other..." for any colour.
// Colours are in the stored order (red in the low byte).

#include <QToolButton>

#include <cstdint>

class QMenu;

class ColorChooser : public QToolButton {
    Q_OBJECT
public:
    explicit ColorChooser(QWidget* parent = nullptr);

    std::uint32_t color() const { return color_; }
    // colorChanged follows when the colour differs from the one shown.
    void setColor(std::uint32_t color);

signals:
    void colorChanged();

private:
    void showColour();
    void chooseOther();

    std::uint32_t color_ = 0;
    QMenu* menu_;
};

#pragma once
// A tab of the main window's layers: a picture button whose plain look, while
// the skin gives it no picture, shows its caption (text()) and whether it is
// selected.

#include "gui/widgets/ButtonWeb.h"

class LayerTab : public ButtonWeb {
    Q_OBJECT

public:
    explicit LayerTab(QWidget* parent = nullptr);

    bool isSelected() const { return selected_; }
    void setSelected(bool selected);

protected:
    void paintFallback(QPainter& painter) override;

private:
    bool selected_ = false;
};

#include "gui/widgets/LayerTab.h"

#include "gui/widgets/PlainLook.h"

LayerTab::LayerTab(QWidget* parent) : ButtonWeb(parent) {}

void LayerTab::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void LayerTab::paintFallback(QPainter& painter)
{
    PaintPlainTab(painter, rect(), text(), selected_);
}

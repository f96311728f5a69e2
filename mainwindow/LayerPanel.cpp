#include "mainwindow/LayerPanel.h"

#include <QChildEvent>
#include <QLabel>

LayerPanel::LayerPanel(QWidget& window) : QWidget(&window)
{
    setGeometry(window.rect());
    window.installEventFilter(this);
}

void LayerPanel::fitLabels()
{
    for (QLabel* label : findChildren<QLabel*>())
        if (!fixedLabels_.contains(label))
            label->adjustSize();
}

bool LayerPanel::event(QEvent* event)
{
    if (event->type() == QEvent::ChildAdded) {
        if (auto* child = qobject_cast<QWidget*>(static_cast<QChildEvent*>(event)->child()))
            child->installEventFilter(this);
    } else if (event->type() == QEvent::ChildRemoved) {
        setMask(childrenRegion());
    }
    return QWidget::event(event);
}

bool LayerPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parent()) {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        setMask(childrenRegion());
        break;
    default:
        break;
    }
    return false;
}

#pragma once
// A layer of the main window: a see-through panel over the whole window that
// holds the layer's controls. It takes the mouse only where its controls are,
// so the window's own controls (title, tabs) and its surface (dragging) stay
// reachable wherever a skin puts them. A skin places the controls in window
// coordinates, which are the panel's too.

#include <QList>
#include <QWidget>

class QLabel;

class LayerPanel : public QWidget {
    Q_OBJECT
public:
    explicit LayerPanel(QWidget& window);

    // Fits the layer's captions to their texts (after a language or a skin).
    void fitLabels();

protected:
    // A label whose box the window gives it, whatever its text.
    void keepSize(const QLabel* label) { fixedLabels_.append(label); }

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<const QLabel*> fixedLabels_;
};

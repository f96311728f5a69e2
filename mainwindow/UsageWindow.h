#pragma once
// The command-line help window of the batch mode, moved by dragging its side bar.

#include <QDialog>
#include <QPoint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class UsageWindow : public QDialog {
    Q_OBJECT
public:
    explicit UsageWindow(const QString& usageText, QWidget* parent = nullptr);

    QPlainTextEdit* usageText() const { return text_; }
    QLabel* sideBar() const { return sideBar_; }
    QPushButton* okButton() const { return okButton_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawSideBar();

    QLabel* sideBar_;
    QPlainTextEdit* text_;
    QPushButton* okButton_;
    bool dragging_ = false;
    QPoint lastCursor_;
};

#pragma once
// The command-line help window of the batch mode, moved by dragging its side bar.

#include <QDialog>
#include <QPoint>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class FrmUsage : public QDialog {
    Q_OBJECT
public:
    explicit FrmUsage(const QString& usageText, QWidget* parent = nullptr);

    QPlainTextEdit* txtUsage() const { return txtUsage_; }
    QLabel* picSideBar() const { return picSideBar_; }
    QPushButton* cmdOK() const { return cmdOK_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void drawSideBar();

    QLabel* picSideBar_;
    QPlainTextEdit* txtUsage_;
    QPushButton* cmdOK_;
    bool dragging_ = false;
    QPoint lastCursor_;
};

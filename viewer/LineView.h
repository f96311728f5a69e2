#pragma once
// A read-only text box that finds its line starts once and lays out only the
// lines in sight, so that megabytes of text in millions of lines, or in one,
// show at once. Lines do not wrap; the scroll bars move by lines down and by
// characters across. The arrow and page keys scroll, Ctrl+Home and Ctrl+End
// go to either end; other keys go on to the window. Whole lines are chosen
// with the mouse (press and drag) or all with Ctrl+A; Ctrl+C copies them.

#include <QAbstractScrollArea>
#include <QString>

#include <vector>

class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineView(QWidget* parent = nullptr);

    void setPlainText(const QString& text);
    const QString& toPlainText() const { return text_; }
    void clear() { setPlainText(QString()); }
    bool isReadOnly() const { return true; }
    int lineCount() const { return int(starts_.size()); }
    // The first line in sight (0-based).
    int firstVisibleLine() const;
    // The chosen lines, joined by line feeds ("" when none are chosen).
    QString selectedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QStringView line(int n) const;
    int charWidth() const;
    void updateScrollBars();
    int lineAt(int y) const;

    QString text_;
    std::vector<qsizetype> starts_; // where each line begins in text_
    qsizetype longest_ = 0;         // characters of the longest line
    int anchor_ = -1, extent_ = -1; // the chosen lines, in either order; -1: none
};

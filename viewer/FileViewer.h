#pragma once
// The file viewer: one file of the catalog browser shown as a picture when it
// is one Qt reads, else as text, and on request as the hexadecimal dump the
// hex-dump library makes. Ctrl+H turns the dump on and off; the text box's
// popup menu chooses between the text and the dump. The text and the dump
// show at most the file's first ViewerByteLimit bytes, and say so.

#include "gui/frame/FramedWindow.h"
#include "platform/hexdump/QuexelLoader.h"

#include <string>

struct AppContext;
class PopupMenu;
class LineView;
class QLabel;
class QScrollArea;
class QScrollBar;

class FileViewer : public FramedWindow {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "frmViewImg";
    // The fixed texts of the text box.
    static constexpr const char* MissingText = "File Not Find or Format Invalid";
    static constexpr const char* WaitText = "Please Wait...";

    // What the window shows.
    enum class State { Empty, Picture, Text, Hex, Missing };

    // quexelFolder: where libQuexel.so lies; empty: the program's own folder.
    explicit FileViewer(AppContext& app, std::string quexelFolder = {});

    // The browser's way in: shows the window when it is hidden (then outside
    // the hex view) and the file at path in it.
    void showFile(const std::string& path);
    // The file at path (a native path) in its own view: a picture, else text;
    // the missing-file message when it is no readable regular file.
    void viewFile(const std::string& path);
    // The popup's two views; each acts only in the other one.
    void showAsciiView();
    void showHexView();
    // Ctrl+H: into the hex view, or back to the file's own view.
    void toggleHexView();

    State state() const { return state_; }
    bool hexaView() const { return hexView_; }
    bool imageShown() const { return imageShown_; }
    const std::string& viewFilePath() const { return path_; }

protected:
    void layoutContent(const QRect& inner) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void showMenuAt(const QPoint& at);
    void showOwnView();
    void showPicture(QImage image);
    void showText();
    void showHex();
    void showInTextBox(const QString& text, State state);

    AppContext& app_;
    QScrollArea* pictureArea_ = nullptr; // its scroll bars are HScroll and VScroll
    QLabel* picture_ = nullptr;
    LineView* textBox_ = nullptr;
    PopupMenu* viewMenu_ = nullptr;
    QuexelLoader quexel_;
    State state_ = State::Empty;
    std::string path_;
    bool hexView_ = false;
    bool imageShown_ = false;
};

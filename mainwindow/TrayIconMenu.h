#pragma once
// The never-shown window that owns the program's icon in the notification
// area and the menu that opens from it. It turns the icon's mouse activity
// into its own events; items are found by index (1..count) or by key.

#include <QIcon>
#include <QVariant>
#include <QWidget>

#include <functional>
#include <memory>

class PopupMenu;
class TrayFactory;
class TrayIcon;

class TrayIconMenu : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* WindowName = "fSysTrayIconMenu";
    static constexpr int MaxTipLength = 63;

    // text(n): the current language's text number n.
    TrayIconMenu(TrayFactory& tray, std::function<QString(int)> text);
    ~TrayIconMenu() override; // takes the icon out of the notification area

    // Adds the icon (when there is a tray host) and builds the menu with its
    // side bar; onTop: the stay-on-top item's check mark.
    void setUp(QWidget* owner, bool onTop);
    bool hasIcon() const { return icon_ != nullptr; }

    QString iconToolTip() const { return tip_; }
    void setIconToolTip(const QString& tip); // cut to 63 characters
    QIcon shownIcon() const { return iconShown_; }
    void setShownIcon(const QIcon& icon);
    PopupMenu* menu() const { return menu_; }

    // indexOrKey: a number is an index (rounded), anything else a key. An item that
    // does not resolve raises the subscript-out-of-range error (9).
    void setChecked(const QVariant& indexOrKey, bool on);

    // Shows the menu at the mouse; a choice is reported through menuChosen.
    void showMenu();

signals:
    // The form's events; none for a move: tray hosts report no movement over the icon.
    void iconMouseDown(int button); // 1 left, 2 right
    void iconMouseUp(int button);
    void iconDoubleClicked(int button);
    void menuChosen(int index, const QString& key);
    // The tray host went away: no icon can bring the window back any more.
    void iconLost();

private:
    int resolve(const QVariant& indexOrKey) const; // a valid index, or raises
    static int buttonNumber(Qt::MouseButton button);

    TrayFactory& tray_;
    std::function<QString(int)> text_;
    std::unique_ptr<TrayIcon> icon_;
    PopupMenu* menu_;
    QString tip_;
    QIcon iconShown_;
};

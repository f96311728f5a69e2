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
    void Initialise(QWidget* owner, bool onTop);
    bool hasIcon() const { return icon_ != nullptr; }

    QString ToolTip() const { return tip_; }
    void setToolTip(const QString& tip); // cut to 63 characters
    QIcon IconHandle() const { return iconShown_; }
    void setIconHandle(const QIcon& icon);
    void setImageList(const QList<QIcon>& icons);
    PopupMenu* PopupMenuObject() const { return m_cM; }

    int AddMenuItem(const QString& caption, const QString& key, bool isDefault, int parentIndex, int iconIndex,
                    bool checked, bool enabled);
    void EnableMenuItem(int index, bool on);
    void RemoveMenuItem(int index);
    // vKey: a number is an index (rounded), anything else a key. An item that
    // does not resolve raises the subscript-out-of-range error (9).
    bool Default(const QVariant& vKey) const;
    void setDefault(const QVariant& vKey, bool on);
    bool Checked(const QVariant& vKey) const;
    void setChecked(const QVariant& vKey, bool on);
    QString MenuCaption(const QVariant& vKey) const;
    void setMenuCaption(const QVariant& vKey, const QString& caption);

    // Shows the menu at the mouse; a choice is reported through MenuClick.
    void ShowMenu();

signals:
    void SysTrayMouseDown(int button); // 1 left, 2 right
    void SysTrayMouseUp(int button);
    void SysTrayMouseMove();
    void SysTrayDoubleClick(int button);
    void MenuClick(int index, const QString& key);
    // The tray host went away: no icon can bring the window back any more.
    void IconLost();

private:
    int resolve(const QVariant& vKey) const; // a valid index, or raises
    static int ButtonNumber(Qt::MouseButton button);

    TrayFactory& tray_;
    std::function<QString(int)> text_;
    std::unique_ptr<TrayIcon> icon_;
    PopupMenu* m_cM;
    QString tip_;
    QIcon iconShown_;
};

#pragma once
// Catalogs written by hand for the library tests, and the main window they
// are shown in.

#include "mainwindow/MainWindow.h"
#include "mainwindow/WindowMode.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

#include <string>
#include <sys/stat.h>

struct HeaderFields {
    std::string type = "Fixed";
    std::string free = "512 MB";
    std::string total = "1024 MB";
    std::string root = "\\data";
    std::string comment;

    HeaderFields& Type(std::string v) { return type = std::move(v), *this; }
    HeaderFields& Free(std::string v) { return free = std::move(v), *this; }
    HeaderFields& Total(std::string v) { return total = std::move(v), *this; }
    HeaderFields& Root(std::string v) { return root = std::move(v), *this; }
    HeaderFields& Comment(std::string v) { return comment = std::move(v), *this; }
};

// The eleven header lines as the scan writes them, CR LF after each.
inline std::string CatalogHeaderText(const HeaderFields& h)
{
    return ">" + h.type + "\r\n>Serial 1A2B\r\n>Volume DATA\r\n>Free " + h.free + "\r\n>Total " + h.total +
           "\r\n>Root Dir " + h.root +
           "\r\n>Recursive Dir True\r\n>Search zip content False\r\n"
           ">Enable comment False\r\n>Search *.*\r\n>Comment " +
           h.comment + "\r\n";
}

inline std::time_t ModificationTime(const std::string& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mtime;
}

// Sets a file's modification time (seconds since 1970, UTC).
void SetModificationTime(const std::string& path, std::time_t when);

inline void SendKey(QWidget* target, int key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods);
    QApplication::sendEvent(target, &press);
}

// Chooses the item of key in the next popup menu once it is shown.
void ChooseFromNextMenu(const QString& key, QStringList* disabledItems = nullptr);

// The main window of a world of fakes, started as the program starts it.
MainWindow& StartMainWindow(TestWorld& world);

#pragma once
// Our own properties window of a real file: name, type, place, size, dates,
// owner and permissions.

#include <QDialog>

#include <string>

#include <sys/types.h>

class FilePropertiesDialog final : public QDialog {
    Q_OBJECT
public:
    // path: native bytes.
    explicit FilePropertiesDialog(const std::string& path, QWidget* parent = nullptr);
};

// "rwxr-x--- (0750)": the symbolic form with set-id and sticky bits, then octal.
QString PermissionText(mode_t mode);

#pragma once
// The FileType page: the named file-type filters, listed by name, added and
// removed. Each change goes to the settings at once and refills the main
// window's two filter combos.

#include "options/OptionPage.h"

#include <memory>

struct AppContext;
class MainWindowLink;
class QLineEdit;
class QListWidget;
class QPushButton;

class FileTypePage : public OptionPage {
    Q_OBJECT
public:
    FileTypePage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

    // The name box's hint, in the texts now loaded.
    void retranslate();

private:
    // Lists the types as the settings hold them (which is the page's load);
    // the one called select is chosen.
    void listTypes(const QString& select = {});
    void showChosenType();
    void addType();
    void removeType();

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    QListWidget* typeList_ = nullptr;
    QLineEdit* nameEdit_ = nullptr;
    QLineEdit* patternEdit_ = nullptr;
    QPushButton* removeButton_ = nullptr;
};

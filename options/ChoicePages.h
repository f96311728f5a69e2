#pragma once
// The Language page and the Skins page: the language files and the skin
// packages of their folders. A choice is stored at once and applied at once,
// or, while a long job runs, as soon as it has ended.

#include "options/OptionPage.h"

#include <memory>

struct AppContext;
class FileChoiceList;
class MainWindowLink;

class LanguagePage : public OptionPage {
    Q_OBJECT
public:
    LanguagePage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

private:
    // Lists the files, the stored one chosen (which is the page's load).
    void listLanguages();
    void chooseLanguage(const QString& file);

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    FileChoiceList* languageList_ = nullptr;
};

class SkinsPage : public OptionPage {
    Q_OBJECT
public:
    SkinsPage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

    // Lists the packages anew, the stored one chosen (which is also the
    // page's load; the random-skin box loads itself).
    void listSkins();

private:
    void chooseSkin(const QString& file);

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
    FileChoiceList* skinList_ = nullptr;
};

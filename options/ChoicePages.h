#pragma once
// The Language page and the Skins page: the language files and the skin
// packages of their folders. A choice is stored at once and applied at once,
// or, while a long job runs, as soon as it has ended.

#include "options/OptionPage.h"

#include <memory>

struct AppContext;
class FileChoiceList;
class MainWindowLink;
class QCheckBox;

class LanguagePage : public OptionPage {
    Q_OBJECT
public:
    LanguagePage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

    FileChoiceList* languageList;

private:
    void listLanguages();
    void chooseLanguage(const QString& file);

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
};

class SkinsPage : public OptionPage {
    Q_OBJECT
public:
    SkinsPage(AppContext& app, std::shared_ptr<MainWindowLink> mainWindow, QWidget* parent = nullptr);

    // Lists the packages anew, the stored one chosen.
    void listSkins();

    QCheckBox* randomSkin;
    FileChoiceList* skinList;

private:
    void chooseSkin(const QString& file);

    AppContext& app_;
    std::shared_ptr<MainWindowLink> main_;
};

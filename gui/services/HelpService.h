#pragma once
// The help of a window or page, by its context number.

#include <string>

class Prompter;

class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showHelp(int context) = 0;
};

// Opens help/<context>.html of the program's folder with the desktop's
// browser when the program ships that page. None ships: the first F1 that
// finds no page says that no help is installed, later ones say nothing, so
// that a key pressed by habit does not bring a box each time.
class HelpPages final : public HelpService {
public:
    HelpPages(std::string appPath, Prompter& prompter) : appPath_(std::move(appPath)), prompter_(prompter) {}
    void showHelp(int context) override;

private:
    std::string appPath_; // ends with "/"
    Prompter& prompter_;
    bool toldNoHelp_ = false;
};

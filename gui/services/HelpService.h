#pragma once
// The help of a window or page, by its context number.

#include <string>

class HelpService {
public:
    virtual ~HelpService() = default;
    virtual void showHelp(int context) = 0;
};

// Opens help/<context>.html of the program's folder with the desktop's
// browser when the program ships that page; otherwise nothing happens.
class HelpPages final : public HelpService {
public:
    explicit HelpPages(std::string appPath) : appPath_(std::move(appPath)) {}
    void showHelp(int context) override;

private:
    std::string appPath_; // ends with "/"
};

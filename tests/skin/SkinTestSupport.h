#pragma once
// A fresh program folder, settings store and set of test windows for one
// skin test, with packages written into its skin/ folder.

#include "gui/WindowRegistry.h"
#include "skin/LoadSkin.h"
#include "skin/Skin.h"
#include "skin/art/PixelCanvas.h"
#include "tests/support/RecordingPrompter.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct ZipMember {
    std::string name;
    std::string data;
    bool link = false; // stored as a symbolic link whose target is data
};

// A ZIP archive made by libzip, names stored exactly as given.
void WriteZip(const std::string& path, const std::vector<ZipMember>& members);

// A bitmap file of one colour.
std::string SolidBmp(int width, int height, Rgb colour, int bitsPerPixel = 8);

class SkinTest : public ::testing::Test {
protected:
    SkinTest();
    ~SkinTest() override;

    // Writes skin/<name> from a description and bitmaps (base name, colour, 16 x 10).
    void writeSkin(const std::string& name, const std::string& description,
                   const std::vector<std::pair<std::string, Rgb>>& bitmaps = {});
    void writePackage(const std::string& name, const std::vector<ZipMember>& members);
    void setPos(const std::string& value, const std::string& data);
    void setOption(const std::string& value, const std::string& data);
    void load(const std::string& skinFile, bool atStartup);

    QWidget& main() { return windows.instance("frmCorvaneDisk"); }
    QWidget& window(const std::string& name) { return windows.instance(name); }
    QWidget& control(QWidget& window, const char* name);
    // The messages shown so far; clears them.
    std::vector<std::string> takeMessages();

    TempDir home;
    RecordingPrompter prompter;
    WindowRegistry windows;
    Skin skin;
    SkinContext context;
};

// The colour of a picture's top-left pixel, 0xRRGGBB (0 for a null picture).
Rgb TopLeft(const QPixmap& picture);

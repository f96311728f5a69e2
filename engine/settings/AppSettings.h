#pragma once
// Every setting the windows keep between runs, in one named object instead
// of loose globals. The settings table says where each lives in the store;
// a member's initial value is its default, the one the start-up writes for a
// missing value.

#include "engine/report/ReportOptions.h"
#include "engine/settings/FontSetting.h"

#include <array>
#include <optional>
#include <string>

// A stored place or size in twips; nullopt while none was saved (or the saved
// text was no number), so that the window keeps its design value.
using StoredTwips = std::optional<double>;

struct WindowPlace {
    StoredTwips Left, Top, Width, Height;
};

struct AppSettings {
    // The main window's check boxes and the browser's view switch.
    bool Recursive = false;
    bool ZipContent = false;
    bool EnableComment = false;
    bool SortResult = false;
    bool IgnoreMaxHit = false;
    bool View = false;

    // Window behaviour.
    bool RandomSkin = true;
    bool OnTop = false;
    bool BorderMagnetic = true;
    bool DevChange = true;
    bool ShowSysTray = true;
    bool ShowTaskBar = true;
    int NumIconSysTray = 2; // 0..7: which of the eight tray pictures

    ReportOptions Report;
    FontSetting FontLabel;
    FontSetting FontTitle{.Size = 8};

    int RecentCount = 5; // recent searches kept
    int MaxHit = 500;
    std::string Skins = "CorvaneDisk.zip";
    std::string Language = "CorD_eng.lng";

    // Never defaulted: absent until the first exit.
    WindowPlace Main, Find, Lib, Viewer; // the main window stores its place only
    std::array<StoredTwips, 6> LVLib;
    std::array<StoredTwips, 6> LVFind;
    std::array<StoredTwips, 4> LVPath;
    std::string NextSkin; // the skin the last start loaded (rewritten at every start)
};

// Caps for values edited by hand.
inline constexpr int MaxTrayIcon = 7;
inline constexpr int MaxRecentCount = 50;

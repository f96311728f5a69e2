#pragma once
// Applying a skin package to the six skinned windows in one pass: the main
// window frmCorvaneDisk, the dialogs frmSaveIDX and frmEditComment, and the
// framed windows frmFind, frmLib and frmViewImg (reloaded, so an open one
// closes and comes back hidden).
//
// A window takes part when it is loaded; one made later takes its part of
// the skin then (SkinNewWindow, which the registry calls when it makes a
// window). Its controls are found by objectName, without regard to case, and
// skinned through Qt properties of these names: Picture (a picture box,
// and the window's own background picture), PictureOut, PictureIn and
// PictureDown (a ButtonWeb), CheckedIn, CheckedOut, UnCheckedIn, UnCheckedOut
// and the Boolean Value (a CheckBoxWeb). The background colour goes into the
// window's palette (QPalette::Window), the outline into its mask.

#include "engine/settings/SettingId.h"
#include "skin/WindowPlacement.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Prompter;
class QWidget;
class Skin;
class WindowRegistry;

// What the pass needs from the main window.
struct SkinContext {
    // The active layer, "CAT", "FIND" or "LIB": its tab is shown selected.
    std::string CurrentLayer = "CAT";
    // Receives CBWIgnoreMaxHit's state once the check boxes are set: the
    // search's IgnoreMaxHit flag.
    std::function<void(bool)> SetIgnoreMaxHit;
    // At start-up, whether the check box kept under this setting (Recursive,
    // ZipContent, EnableComment, SortResult, IgnoreMaxHit, View) starts
    // ticked. Unset: the stored setting reads exactly "True".
    std::function<bool(SettingId setting)> StartupFlag;
};

// Applies the package skinFile of skinFolder (ending with "/"); an empty name
// changes nothing. Messages go to prompter. A package that cannot be read is
// reported and changes nothing,
// except at start-up, when the windows still get their default sizes, places
// and check-box states (so does an empty name then, without a message). Entries that cannot be applied (a value that is
// not a number, a missing or broken bitmap, a control the window lacks) are left out, the rest applied, and one message
// lists them. Call it once the main window is in the registry (not from its constructor).
void LoadSkin(Prompter& prompter, Skin& skin, WindowRegistry& windows, const SkinContext& context,
              const std::string& skinFolder, const std::string& skinFile, bool atStartup);

// Gives a window made after the last pass (the registry makes windows at
// their first use) its part of the skin in use; its problems are said in one
// message on prompter. The browser's view box takes context's
// StartupFlag(SettingId::View).
void SkinNewWindow(Prompter& prompter, const Skin& skin, const SkinContext& context, std::string_view name,
                   QWidget& window);

// Shows the main window's layer tabs BWLayerCat, BWLayerFind and BWLayerLib
// with the skin's tab pictures, the one of layer selected ("LIB" for any
// layer but "CAT" and "FIND").
void ShowLayerTabs(const Skin& skin, QWidget& mainWindow, std::string_view layer);

// Where the skin places frmFind, frmLib or frmViewImg: the size and place
// stored in the settings (Option\Pos), else the skin's size centred on the
// primary screen.
TwipsRect StoredWindowPlace(const Skin& skin, std::string_view window);

// Which sections of the description serve a window, and what the window
// takes when they say nothing (lengths in twips).
struct SkinWindowSections {
    std::string_view window;
    std::string_view sizeSection; // Width, Height and, where colour holds, Color
    std::string_view defaultWidth;
    std::string_view defaultHeight;
    bool colour;
    std::string_view posSection; // control=left,top[,width[,height]]
    std::string_view background; // the template of the window's own picture; empty: none
    bool frame;                  // takes the eight frame pieces picGH...picH
};
// The main window first, then the others in the order a pass does them.
std::vector<SkinWindowSections> SkinDescriptionSections();

#include "skin/LoadSkin.h"

#include "engine/settings/SettingsTable.h"
#include "gui/ControlLookup.h"
#include "gui/Twips.h"
#include "gui/WindowRegistry.h"
#include "gui/widgets/SkinnedForm.h"
#include "platform/gui/WinColor.h"
#include "platform/prompter/Prompter.h"
#include "platform/text/Ascii.h"
#include "platform/text/Excerpt.h"
#include "skin/Skin.h"
#include "skin/SkinBitmap.h"
#include "skin/SkinPackage.h"

#include <QBitmap>
#include <QMetaProperty>

#include <cmath>
#include <functional>
#include <limits>

#include <map>
#include <optional>
#include <span>
#include <vector>

namespace {
constexpr const char* MainWindowName = "frmCorvaneDisk";
constexpr const char* DescriptionName = "CorvaneDisk.ini";
constexpr const char* MaskName = "mainmask.bmp";
constexpr const char* DefaultColour = "66,66,66";
constexpr const char* MainSizeSection = "MainSize";
constexpr const char* MainPosSection = "MainPOS";
constexpr const char* MainWidth = "5415";
constexpr const char* MainHeight = "3045";
// All the pictures of one application together, against packages of many huge bitmaps.
constexpr long long MaxPixelsPerPass = 32 << 20;
constexpr std::size_t MaxListedProblems = 20;

using Problems = std::vector<std::string>;

enum class Copy {
    Picture, // Picture from Picture
    Button,  // the three button pictures from the same three
    Check,   // the four check-box pictures from the same four
    Tab,     // the three button pictures from one Picture
};

struct PictureCopy {
    const char* target; // nullptr: the window itself
    const char* source; // a template of the skin
    Copy what;
};

// clang-format off
constexpr PictureCopy FramePieces[] = {
    {"picGH", "picGH", Copy::Picture}, {"picG", "picG", Copy::Picture}, {"picGB", "picGB", Copy::Picture},
    {"picB", "picB", Copy::Picture}, {"picDB", "picDB", Copy::Picture}, {"picD", "picD", Copy::Picture},
    {"picDH", "picDH", Copy::Picture}, {"picH", "picH", Copy::Picture},
};
constexpr PictureCopy MainCopies[] = {
    {nullptr, "picFond", Copy::Picture},
    {"CBWEnableComment", "picCheck", Copy::Check}, {"CBWRecursive", "picCheck", Copy::Check},
    {"CBWSearchZipContent", "picCheck", Copy::Check}, {"CBWEjectCD", "picCheck", Copy::Check},
    {"CBWSort", "picCheck", Copy::Check},
    {"BWExit", "picExit", Copy::Button}, {"BWMin", "picMin", Copy::Button},
    {"BWSearch", "picBouton", Copy::Button}, {"BWStop", "picBouton", Copy::Button},
    {"CBWIgnoreMaxHit", "picCheck", Copy::Check},
};
constexpr PictureCopy FindButtonCopy[] = {{"BWFind", "picBouton", Copy::Button}};
constexpr PictureCopy SaveCopies[] = {
    {"BWCancel", "picBouton", Copy::Button}, {"BWSave", "picBouton", Copy::Button},
    {"BWExit", "picExit", Copy::Button},
};
constexpr PictureCopy FramedCopies[] = {{"BWExit", "picExit", Copy::Button}, {"BWMax", "picMax", Copy::Button}};
constexpr PictureCopy LibCopies[] = {
    {"picSplit", "picD", Copy::Picture}, {"CBWView", "picCheck", Copy::Check},
    {"BWExit", "picExit", Copy::Button}, {"BWMax", "picMax", Copy::Button},
};
constexpr PictureCopy EditCopies[] = {
    {"BWExit", "picExit", Copy::Button}, {"BWCancel", "picBouton", Copy::Button},
    {"BWOK", "picBouton", Copy::Button},
};
// clang-format on

// The main window's check boxes and the settings they start from; EjectCD always starts clear.
struct StartupBox {
    const char* box;
    std::optional<SettingId> setting; // none: unticked
};
constexpr StartupBox MainBoxes[] = {
    {"CBWRecursive", SettingId::Recursive},
    {"CBWSearchZipContent", SettingId::ZipContent},
    {"CBWEnableComment", SettingId::EnableComment},
    {"CBWEjectCD", std::nullopt},
    {"CBWSort", SettingId::SortResult},
    {"CBWIgnoreMaxHit", SettingId::IgnoreMaxHit},
};

// How the skin treats each window after the main one, in the order it does them.
struct WindowRule {
    const char* window;
    const char* sizeSection;
    const char* defaultWidth;
    const char* defaultHeight;
    const PlaceIds* stored; // the stored place, else centred; nullptr: always centred
    bool reload;
    bool colour;
    const char* posSection;
    const char* background; // the template of the window's own picture
    bool frame;             // the eight frame pieces
    std::span<const PictureCopy> copies;
    StartupBox startupBox; // {nullptr, nullptr}: none
};

const WindowRule WindowRules[] = {
    {"frmSaveIDX", "SaveSize", "4020", "4260", nullptr, false, false, "SavePOS", "picFondSave", false, SaveCopies, {}},
    {"frmFind", "FindSize", "9015", "9015", &FindPlaceIds, true, true, "FindPOS", nullptr, true, FramedCopies, {}},
    {"frmLib",
     "LibSize",
     "9015",
     "9015",
     &LibPlaceIds,
     true,
     true,
     "libPOS",
     nullptr,
     true,
     LibCopies,
     {"CBWView", SettingId::View}},
    {"frmViewImg", "ViewSize", "9015", "9015", &ViewPlaceIds, true, true, "ViewPOS", nullptr, true, FramedCopies, {}},
    {"frmEditComment",
     "EditSize",
     "5040",
     "990",
     nullptr,
     false,
     true,
     "EditPOS",
     "picFondEdit",
     false,
     EditCopies,
     {}},
};

std::string entry(std::string_view section, std::string_view key, std::string_view value)
{
    std::string text = "[";
    text.append(section).append("] ").append(Excerpt(key)).append("=").append(Excerpt(value));
    return text;
}

void note(Problems* problems, std::string text)
{
    if (problems)
        problems->push_back(std::move(text));
}

// A length of the description in twips; the default, with a problem noted,
// when the value is not a size a window can have.
long long skinLength(const ProfileIni& ini, const char* section, const char* key, const char* fallback,
                     Problems* problems)
{
    const std::string text = ini.get(section, key, fallback);
    const std::optional<std::int32_t> v = ParseSkinNumber(text);
    if (v && *v >= TwipsPerPixel && *v <= MaxSkinTwips)
        return *v;
    note(problems, entry(section, key, text) + ": not a size");
    return *ParseSkinNumber(fallback);
}

// In whole twips: a window stores its place as it reports it, with a fraction.
std::optional<std::int32_t> storedNumber(SettingId setting)
{
    const std::optional<double> v = ParseDecimal(PlaceOf(setting).stored().text());
    if (!v || std::fabs(*v) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(std::nearbyint(*v));
}

// A stored size is used when it is one a window can have; 0, junk and absurd sizes are not.
std::optional<std::int32_t> storedSize(SettingId setting)
{
    const std::optional<std::int32_t> v = storedNumber(setting);
    if (v && *v >= TwipsPerPixel && *v <= MaxSkinTwips)
        return v;
    return std::nullopt;
}

// The skin's size is read only when the settings hold none, so that a
// broken one that is not used says nothing.
TwipsRect placeOf(const ProfileIni& ini, const WindowRule& rule, Problems* problems)
{
    const auto width = rule.stored ? storedSize(rule.stored->width) : std::nullopt;
    const auto height = rule.stored ? storedSize(rule.stored->height) : std::nullopt;
    const auto left = rule.stored ? storedNumber(rule.stored->left) : std::nullopt;
    const auto top = rule.stored ? storedNumber(rule.stored->top) : std::nullopt;
    TwipsRect r;
    r.width = width ? *width : skinLength(ini, rule.sizeSection, "Width", rule.defaultWidth, problems);
    r.height = height ? *height : skinLength(ini, rule.sizeSection, "Height", rule.defaultHeight, problems);
    r.left = left ? *left : CentredLeftTwips(r.width);
    r.top = top ? *top : CentredTopTwips(r.height);
    return r;
}

bool setPicture(QObject& target, const char* property, const QPixmap& picture)
{
    const int index = target.metaObject()->indexOfProperty(property);
    return index >= 0 && target.metaObject()->property(index).write(&target, picture);
}

void copyPictures(const Skin& skin, QWidget& window, const PictureCopy& c)
{
    QWidget* target = c.target ? FindControl(window, c.target) : &window;
    if (!target)
        return; // a control this window does not have: nothing to skin
    switch (c.what) {
    case Copy::Picture:
        setPicture(*target, PicturePropertyName, skin.picture(c.source));
        break;
    case Copy::Tab:
        for (const char* p : ButtonPictureNames)
            setPicture(*target, p, skin.picture(c.source));
        break;
    case Copy::Button:
        for (const char* p : ButtonPictureNames)
            setPicture(*target, p, skin.picture(c.source, p));
        break;
    case Copy::Check:
        for (const char* p : CheckPictureNames)
            setPicture(*target, p, skin.picture(c.source, p));
        break;
    }
}

void copyAll(const Skin& skin, QWidget& window, std::span<const PictureCopy> copies)
{
    for (const PictureCopy& c : copies)
        copyPictures(skin, window, c);
}

void setBackground(QWidget& window, std::uint32_t colour)
{
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, FromWinColor(colour));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
}

void placeControls(const ProfileIni& ini, QWidget& window, const char* section, Problems& problems)
{
    for (const auto& [name, value] : ini.section(section)) {
        const SkinPlacement p = ParsePlacement(value);
        if (p.kind == SkinPlacement::Kind::Ignored)
            continue;
        QWidget* control = FindControl(window, name);
        if (!control) {
            problems.push_back(entry(section, name, value) + ": no such control");
            continue;
        }
        if (p.kind == SkinPlacement::Kind::Invalid) {
            problems.push_back(entry(section, name, value) + ": not a position");
            continue;
        }
        const TwipsRect twips{p.left, p.top, p.width.value_or(0), p.height.value_or(0)};
        QRect pixels = PixelRect(twips);
        if (!p.width)
            pixels.setWidth(control->width());
        if (!p.height)
            pixels.setHeight(control->height());
        control->setGeometry(pixels);
    }
}

// The skin's part for one window: place, control places, colour, pictures
// and, when it is made, its check box's state from the settings.
void applyWindowRule(const Skin& skin, const ProfileIni& ini, const WindowRule& rule, QWidget& window,
                     const std::function<bool(SettingId)>& startupFlag, Problems& problems)
{
    const TwipsRect place = placeOf(ini, rule, &problems);
    window.setGeometry(KeptOnScreen(PixelRect(place)));
    placeControls(ini, window, rule.posSection, problems);
    if (rule.colour) {
        const std::string text = ini.get(rule.sizeSection, "Color", DefaultColour);
        std::optional<std::uint32_t> colour = ParseSkinColour(text);
        if (!colour) {
            problems.push_back(entry(rule.sizeSection, "Color", text) + ": not a colour (three numbers 0 to 255)");
            colour = ParseSkinColour(DefaultColour);
        }
        setBackground(window, *colour);
    }
    if (rule.background)
        setPicture(window, PicturePropertyName, skin.picture(rule.background));
    if (rule.frame)
        copyAll(skin, window, FramePieces);
    copyAll(skin, window, rule.copies);
    if (rule.startupBox.box)
        if (QWidget* control = FindControl(window, rule.startupBox.box))
            control->setProperty("Value", rule.startupBox.setting && startupFlag(*rule.startupBox.setting));
}

const WindowRule* ruleOf(std::string_view window)
{
    for (const WindowRule& rule : WindowRules)
        if (window == rule.window)
            return &rule;
    return nullptr;
}

void reportProblems(Prompter& prompter, const std::string& skinFile, const Problems& problems)
{
    if (problems.empty())
        return;
    std::string text = "The skin \"" + skinFile + "\" was applied without these entries:";
    for (std::size_t i = 0; i < problems.size() && i < MaxListedProblems; ++i)
        text += "\r\n" + problems[i];
    if (problems.size() > MaxListedProblems)
        text += "\r\n... and " + std::to_string(problems.size() - MaxListedProblems) + " more.";
    prompter.message(text, "CorvaneDisk", MsgIcon::Exclamation);
}

// While a pass runs, windows it makes add their problems to its one message.
Problems* PassProblems = nullptr;

class SkinPass {
public:
    SkinPass(Prompter& prompter, Skin& skin, WindowRegistry& windows, const SkinContext& context,
             const std::string& skinFolder, bool atStartup)
        : prompter_(prompter), skin_(skin), windows_(windows), context_(context), skinFolder_(skinFolder),
          atStartup_(atStartup)
    {
    }

    void run(const std::string& skinFile);

private:
    bool open(const std::string& skinFile);
    void applyMainWindow(QWidget& main);
    void applyObjects(QWidget* main);
    void applyOutline(QWidget& main);
    void applyWindow(const WindowRule& rule);
    void setStartupBox(QWidget& window, const StartupBox& box);
    // The picture of a base name, decoded once per pass; null with why.
    QPixmap bitmap(const std::string& base, std::string& why);
    bool startupFlag(SettingId setting) const;
    void report(const std::string& skinFile) const;

    Prompter& prompter_;
    Skin& skin_;
    WindowRegistry& windows_;
    const SkinContext& context_;
    const std::string& skinFolder_;
    const bool atStartup_;
    std::optional<SkinPackage> package_;
    ProfileIni ini_;
    std::map<std::string, QPixmap> decoded_;
    long long decodedPixels_ = 0;
    Problems problems_;
};

bool SkinPass::open(const std::string& skinFile)
{
    if (skinFile.empty())
        return false; // no package at all: nothing to say
    std::string why;
    if (skinFile.find('/') != std::string::npos)
        why = skinFile + ": not a file of the skin folder";
    else
        package_ = SkinPackage::open(skinFolder_ + skinFile, why);
    if (!package_) {
        prompter_.message("The skin \"" + skinFile + "\" cannot be used: " + why + ".", "CorvaneDisk",
                          MsgIcon::Exclamation);
        return false;
    }
    if (package_->has(DescriptionName)) {
        std::optional<std::string> text = package_->read(DescriptionName, why);
        if (text)
            ini_ = ProfileIni::Parse(*text);
        else
            problems_.push_back(std::string(DescriptionName) + ": " + why);
    }
    QImage outline;
    if (package_->has(MaskName)) {
        std::optional<std::string> bytes = package_->read(MaskName, why);
        if (bytes)
            outline = DecodeSkinBitmap(*bytes, why);
        if (outline.isNull())
            problems_.push_back(std::string(MaskName) + ": " + why);
    }
    skin_.setPackage(skinFile, ini_, outline);
    return true;
}

void SkinPass::run(const std::string& skinFile)
{
    if (!open(skinFile) && !atStartup_)
        return;
    QWidget* main = windows_.loaded(MainWindowName);
    if (main)
        applyMainWindow(*main);
    else
        applyObjects(nullptr); // the templates still take their pictures
    PassProblems = &problems_;
    for (const WindowRule& rule : WindowRules)
        applyWindow(rule);
    PassProblems = nullptr;
    skin_.announceChange();
    report(skinFile);
}

void SkinPass::applyMainWindow(QWidget& main)
{
    TwipsRect r;
    r.width = skinLength(ini_, MainSizeSection, "Width", MainWidth, &problems_);
    r.height = skinLength(ini_, MainSizeSection, "Height", MainHeight, &problems_);
    // The frameless main window keeps the size its skin gives it.
    main.setFixedSize(PixelRect(r).size());
    if (atStartup_) {
        const std::optional<std::int32_t> left = storedNumber(SettingId::MainLeft),
                                          top = storedNumber(SettingId::MainTop);
        r.left = left ? *left : CentredLeftTwips(r.width);
        r.top = top ? *top : CentredTopTwips(r.height);
        main.setGeometry(KeptOnScreen(PixelRect(r)));
    }
    placeControls(ini_, main, MainPosSection, problems_);
    applyObjects(&main);
    copyAll(skin_, main, MainCopies);
    ShowLayerTabs(skin_, main, context_.CurrentLayer);
    copyAll(skin_, main, FindButtonCopy);
    for (const StartupBox& box : MainBoxes)
        setStartupBox(main, box);
    if (QWidget* box = FindControl(main, "CBWIgnoreMaxHit"); box && context_.SetIgnoreMaxHit)
        context_.SetIgnoreMaxHit(box->property("Value").toBool());
    applyOutline(main);
}

void SkinPass::applyObjects(QWidget* main)
{
    for (const auto& [name, value] : ini_.section("Object")) {
        const PictureList list = ParsePictureList(value);
        if (list.kind == PictureList::Kind::Nothing)
            continue;
        const std::optional<PictureList::Kind> templateKind = skin_.templateKind(name);
        QWidget* control = nullptr;
        if (!templateKind) {
            if (!main)
                continue; // a control of a window not built yet
            control = FindControl(*main, name);
            if (!control) {
                problems_.push_back(entry("Object", name, value) + ": no such control");
                continue;
            }
        }
        bool fits = !templateKind || *templateKind == list.kind;
        for (int i = 0; control && i < list.count; ++i)
            fits = fits && control->metaObject()->indexOfProperty(list.items[std::size_t(i)].property) >= 0;
        if (!fits) {
            problems_.push_back(entry("Object", name, value) + ": not pictures this control has");
            continue;
        }
        // All the entry's pictures or none of them.
        std::vector<QPixmap> pictures;
        std::string why;
        for (int i = 0; i < list.count && why.empty(); ++i)
            pictures.push_back(bitmap(list.items[std::size_t(i)].base, why));
        if (!why.empty()) {
            problems_.push_back(entry("Object", name, value) + ": " + why);
            continue;
        }
        if (templateKind)
            skin_.setTemplatePictures(name, pictures);
        for (int i = 0; control && i < list.count; ++i)
            setPicture(*control, list.items[std::size_t(i)].property, pictures[std::size_t(i)]);
    }
}

QPixmap SkinPass::bitmap(const std::string& base, std::string& why)
{
    const std::string file = base + ".bmp";
    const std::string key = AsciiLowerCopy(file);
    const std::string shown = Excerpt(file);
    if (auto it = decoded_.find(key); it != decoded_.end())
        return it->second;
    std::optional<std::string> bytes = package_ ? package_->read(file, why) : std::nullopt;
    if (!bytes) {
        why = shown + ": " + (why.empty() ? "missing" : why);
        return {};
    }
    QImage image = DecodeSkinBitmap(*bytes, why);
    if (image.isNull()) {
        why = shown + ": " + why;
        return {};
    }
    decodedPixels_ += static_cast<long long>(image.width()) * image.height();
    if (decodedPixels_ > MaxPixelsPerPass) {
        why = shown + ": more pictures than a skin can hold";
        return {};
    }
    return decoded_[key] = QPixmap::fromImage(std::move(image));
}

// A skin without a usable mask clears the outline of the one before.
void SkinPass::applyOutline(QWidget& main)
{
    const QImage& mask = skin_.outline();
    if (mask.isNull()) {
        main.clearMask();
        return;
    }
    if (mask.width() < main.width() || mask.height() < main.height()) {
        problems_.push_back(std::string(MaskName) + ": smaller than the main window (" + std::to_string(main.width()) +
                            " x " + std::to_string(main.height()) + " pixels)");
        main.clearMask();
        return;
    }
    main.setMask(OutlineFromMask(mask));
}

void SkinPass::applyWindow(const WindowRule& rule)
{
    // A window not made yet takes the skin when it is made.
    QWidget* window = windows_.loaded(rule.window);
    if (!window)
        return;
    if (rule.reload) {
        windows_.unload(rule.window);
        try {
            windows_.instance(rule.window); // skinned as it is made
        } catch (const std::exception&) {
        }
        return;
    }
    applyWindowRule(
        skin_, ini_, rule, *window, [this](SettingId s) { return startupFlag(s); }, problems_);
}

// At start-up a box takes its stored state; later it keeps the one it has.
void SkinPass::setStartupBox(QWidget& window, const StartupBox& box)
{
    QWidget* control = FindControl(window, box.box);
    if (atStartup_ && control)
        control->setProperty("Value", box.setting && startupFlag(*box.setting));
}

bool SkinPass::startupFlag(SettingId setting) const
{
    return context_.StartupFlag ? context_.StartupFlag(setting) : PlaceOf(setting).isTrue();
}

void SkinPass::report(const std::string& skinFile) const
{
    reportProblems(prompter_, skinFile, problems_);
}
} // namespace

void LoadSkin(Prompter& prompter, Skin& skin, WindowRegistry& windows, const SkinContext& context,
              const std::string& skinFolder, const std::string& skinFile, bool atStartup)
{
    if (skinFile.empty() && !atStartup)
        return;
    SkinPass(prompter, skin, windows, context, skinFolder, atStartup).run(skinFile);
}

void SkinNewWindow(Prompter& prompter, const Skin& skin, const SkinContext& context, std::string_view name,
                   QWidget& window)
{
    const WindowRule* rule = ruleOf(name);
    if (!rule)
        return;
    auto flag = [&context](SettingId setting) {
        return context.StartupFlag ? context.StartupFlag(setting) : PlaceOf(setting).isTrue();
    };
    Problems own;
    applyWindowRule(skin, skin.description(), *rule, window, flag, PassProblems ? *PassProblems : own);
    reportProblems(prompter, skin.name(), own);
}

void ShowLayerTabs(const Skin& skin, QWidget& mainWindow, std::string_view layer)
{
    const bool cat = layer == "CAT", find = layer == "FIND", lib = !cat && !find;
    const PictureCopy tabs[] = {
        {"BWLayerCat", cat ? "picCatSelect" : "picCatUnSelect", Copy::Tab},
        {"BWLayerFind", find ? "picFindSelect" : "picFindUnSelect", Copy::Tab},
        {"BWLayerLib", lib ? "picLibSelect" : "picLibUnSelect", Copy::Tab},
    };
    copyAll(skin, mainWindow, tabs);
}

TwipsRect StoredWindowPlace(const Skin& skin, std::string_view window)
{
    const WindowRule* rule = ruleOf(window);
    return rule && rule->stored ? placeOf(skin.description(), *rule, nullptr) : TwipsRect{};
}

std::vector<SkinWindowSections> SkinDescriptionSections()
{
    std::vector<SkinWindowSections> all{
        {MainWindowName, MainSizeSection, MainWidth, MainHeight, false, MainPosSection, MainCopies[0].source, false}};
    for (const WindowRule& r : WindowRules)
        all.push_back({r.window, r.sizeSection, r.defaultWidth, r.defaultHeight, r.colour, r.posSection,
                       r.background ? r.background : "", r.frame});
    return all;
}

#include "language/LabelSections.h"

namespace {

using enum LabelTarget;
using T = TextId;

constexpr FontRole Label = FontRole::Label;
constexpr FontRole Title = FontRole::Title;

constexpr LabelEntry kMain[] = {
    {.control = "lblTitle", .font = Title},
    {.control = "lblEjectCD", .text = T::EjectCD, .font = Label},
    {.control = "lblEnableComment", .text = T::EnableComment, .font = Label},
    {.control = "lblRecursive", .text = T::Recursive, .font = Label},
    {.control = "lblSearch", .text = T::Start, .font = Label},
    {.control = "lblSearchZipContent", .text = T::SearchZipContent, .font = Label},
    {.control = "lblStop", .text = T::Stop, .font = Label},
    {.control = "lblFind", .text = T::Start, .font = Label},
    {.control = "lblListDAT", .text = T::CatalogList, .font = Label},
    {.control = "lblFilter", .text = T::FileFilter, .font = Label},
    {.control = "lblTypeDisk", .text = T::DiskType, .font = Label},
    {.control = "lblIgnoreMaxHit", .text = T::IgnoreMaxHit, .font = Label},
    {.control = "lblSort", .text = T::SortResults, .font = Label},
    {.control = "LVLib", .target = ColumnHeader, .text = T::Name, .column = 0},
    {.control = "LVLib", .target = ColumnHeader, .text = T::Date, .column = 1},
    {.control = "LVLib", .target = ColumnHeader, .text = T::RootFolder, .column = 2},
    {.control = "LVLib", .target = ColumnHeader, .text = T::FreeSpace, .column = 3},
    {.control = "LVLib", .target = ColumnHeader, .text = T::TotalSize, .column = 4},
    {.control = "LVLib", .target = ColumnHeader, .text = T::Comment, .column = 5},
};

constexpr LabelEntry kOption[] = {
    {.control = "cmdExit", .text = T::Confirm},
    {.control = "fraLanguage", .target = FrameTitle, .text = T::PageLanguage},
    {.control = "fraSkins", .target = FrameTitle, .text = T::PageSkins},
    {.control = "fraFileType", .target = FrameTitle, .text = T::PageFileType},
    {.control = "TWOption", .target = TreeNode, .text = T::PageSetup, .key = "Setup"},
    {.control = "TWOption", .target = TreeNode, .text = T::PageLanguage, .key = "Language"},
    {.control = "TWOption", .target = TreeNode, .text = T::PageFileType, .key = "FileType"},
    {.control = "TWOption", .target = TreeNode, .text = T::PageSkins, .key = "Skins"},
    {.control = "TWOption", .target = TreeNode, .text = T::PageReport, .key = "Report"},
    {.control = "TWOption", .target = TreeNode, .literal = "Font", .key = "Font"},
    {.control = "TWOption", .target = TreeNode, .text = T::PageDisplay, .key = "Display"},
    {.control = "cmdScan", .text = T::CheckUpdate},
    {.control = "cmdAddFileType", .text = T::AddFileType},
    {.control = "cmdRemoveFileType", .text = T::RemoveFileType},
    {.control = "chkAllwaysOnTop", .text = T::AlwaysOnTop},
    {.control = "cmdGenereSkin", .text = T::GenerateSkin},
    {.control = "lblRecent", .text = T::RecentSearches},
    {.control = "lblMaxHit", .text = T::MaxHit},
    {.control = "chkScreenBorderMagnetic", .text = T::BorderMagnetic},
    {.control = "fraReport", .target = FrameTitle, .text = T::PageReport},
    {.control = "lblReportFormat", .text = T::ReportFormat},
    {.control = "optHTML", .text = T::Html},
    {.control = "optText", .text = T::PlainText},
    {.control = "fraInclude", .target = FrameTitle, .text = T::IncludeColumns},
    {.control = "chkFileName", .text = T::FileName},
    {.control = "chkPath", .text = T::Folder},
    {.control = "chkDate", .text = T::Date},
    {.control = "chkSize", .text = T::Size},
    {.control = "chkDiskID", .text = T::Disk},
    {.control = "chkComment", .text = T::FoundComment},
    {.control = "fraHTML", .target = FrameTitle, .text = T::Html},
    {.control = "chkBorder", .text = T::Border},
    {.control = "lblHeaderBackColor", .text = T::HeaderBackColor},
    {.control = "lblHeaderTextColor", .text = T::HeaderTextColor},
    {.control = "lblFieldBackColor", .text = T::FieldBackColor},
    {.control = "lblFieldTextColor", .text = T::FieldTextColor},
    {.control = "fraText", .target = FrameTitle, .text = T::PlainText},
    {.control = "lblSeparator", .text = T::Separator},
    {.control = "fraFont", .target = FrameTitle, .text = T::Fonts},
    {.control = "fraLabel", .target = FrameTitle, .text = T::LabelFont},
    {.control = "fraTitle", .target = FrameTitle, .text = T::TitleFont},
    {.control = "chkBoldLabel", .text = T::Bold},
    {.control = "chkBoldTitle", .text = T::Bold},
    {.control = "chkItalicLabel", .text = T::Italic},
    {.control = "chkItalicTitle", .text = T::Italic},
    {.control = "cmdApplyLabel", .text = T::Apply},
    {.control = "cmdApplyTitle", .text = T::Apply},
    {.control = "chkDevChange", .text = T::DevChange},
    {.control = "fraDisplay", .target = FrameTitle, .text = T::PageDisplay},
    {.control = "chkSystray", .text = T::ShowSysTray},
    {.control = "chkRandomSkin", .text = T::RandomSkin},
    {.control = "fraSysIcon", .target = FrameTitle, .text = T::SysTrayIcon},
    {.control = "chkTaskbar", .text = T::ShowTaskBar},
    {.control = "cmdAddIconDeskTop", .text = T::AddDesktopIcon},
};

constexpr LabelEntry kLib[] = {
    {.control = "LVPath", .target = ColumnHeader, .text = T::FileName, .column = 0},
    {.control = "LVPath", .target = ColumnHeader, .text = T::Size, .column = 1},
    {.control = "LVPath", .target = ColumnHeader, .text = T::Date, .column = 2},
    {.control = "LVPath", .target = ColumnHeader, .text = T::Comment, .column = 3},
    {.control = "lblTitle", .font = Title},
    {.control = "lblView", .text = T::View, .font = Label},
    {.control = "LVPath", .target = ToolTip, .text = T::BrowserListTip},
};

constexpr LabelEntry kFind[] = {
    {.control = "lblTitle", .font = Title},
    {.control = "LVFind", .target = ColumnHeader, .text = T::FileName, .column = 0},
    {.control = "LVFind", .target = ColumnHeader, .text = T::Folder, .column = 1},
    {.control = "LVFind", .target = ColumnHeader, .text = T::Size, .column = 2},
    {.control = "LVFind", .target = ColumnHeader, .text = T::Date, .column = 3},
    {.control = "LVFind", .target = ColumnHeader, .text = T::Disk, .column = 4},
    {.control = "LVFind", .target = ColumnHeader, .text = T::FoundComment, .column = 5},
};

constexpr LabelEntry kSave[] = {
    {.control = "lblCancel", .text = T::Cancel, .font = Label},
    {.control = "lblComment", .text = T::Comment, .font = Label},
    {.control = "lblName", .text = T::Name, .font = Label},
    {.control = "lblSave", .text = T::Save, .font = Label},
    {.control = "lblTitle", .text = T::SaveTitle, .font = Title},
};

constexpr LabelEntry kEdit[] = {
    {.control = "lblCancel", .text = T::Cancel, .font = Label},
    {.control = "lblOk", .text = T::Ok, .font = Label},
};

constexpr LabelEntry kMainMenus[] = {
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuProperties, .literal = "...     F5", .key = "OPTION"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuAbout, .literal = "...     CTRL+A", .key = "ABOUT"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuExit, .literal = "...     ALT+F4", .key = "EXIT"},
    {.control = "m_cMenuLib", .target = MenuItem, .text = T::MenuOpen, .literal = "...     CTRL+O", .key = "OPEN"},
    {.control = "m_cMenuLib", .target = MenuItem, .text = T::MenuDelete, .literal = "...     Del", .key = "DEL"},
    {.control = "m_cMenuLib", .target = MenuItem, .text = T::MenuRenameCatalog, .key = "MOVE"},
    {.control = "m_cMenuLib", .target = MenuItem, .text = T::MenuPrint, .literal = "...     CTRL+P", .key = "PRINT"},
    {.control = "m_cMenuLib", .target = MenuItem, .text = T::MenuProperties, .key = "PROP"},
};

constexpr LabelEntry kTrayMenu[] = {
    {.control = "m_cM", .target = MenuItem, .text = T::MenuProperties, .literal = "...     F5", .key = "PROP"},
    {.control = "m_cM", .target = MenuItem, .text = T::AlwaysOnTop, .key = "ONTOP"},
    {.control = "m_cM", .target = MenuItem, .text = T::MenuAbout, .literal = "...     CTRL+A", .key = "ABOUT"},
    {.control = "m_cM", .target = MenuItem, .text = T::MenuExit, .literal = "...     ALT+F4", .key = "EXIT"},
};

constexpr LabelEntry kResultsMenu[] = {
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuOpen, .literal = "...     CTRL+O", .key = "OPEN"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuDelete, .literal = "...     Del", .key = "DELETE"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuMoveFile, .key = "MOVE"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuProperties, .literal = "...", .key = "PROP"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuEditComment, .literal = "...     F12", .key = "EDIT"},
    {.control = "m_cMenu", .target = MenuItem, .text = T::MenuPrint, .literal = "...     CTRL+P", .key = "PRINT"},
};

constexpr WindowLabels kMainWindow[] = {{"frmCorvaneDisk", true, kMain}};
constexpr WindowLabels kOptionWindow[] = {{"frmOption", false, kOption}};
constexpr WindowLabels kLibWindow[] = {{"frmLib", true, kLib}};
constexpr WindowLabels kFindWindow[] = {{"frmFind", true, kFind}};
constexpr WindowLabels kSaveWindow[] = {{"frmSaveIDX", false, kSave}};
constexpr WindowLabels kEditWindow[] = {{"frmEditComment", false, kEdit}};
constexpr WindowLabels kMenus[] = {
    {"frmCorvaneDisk", false, kMainMenus},
    {"fSysTrayIconMenu", false, kTrayMenu},
    {"frmFind", false, kResultsMenu},
};

constexpr LabelSection kSections[] = {
    {"Main", kMainWindow}, {"Option", kOptionWindow}, {"Lib", kLibWindow}, {"Find", kFindWindow},
    {"Save", kSaveWindow}, {"Edit", kEditWindow},     {"Menu", kMenus},
};

} // namespace

std::span<const LabelSection> LabelSections()
{
    return kSections;
}

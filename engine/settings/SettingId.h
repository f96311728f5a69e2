#pragma once
// The name of each value of the settings table, in the table's order (the
// order the start-up reads them). Code names a setting by these; only the
// table knows where the store keeps it.

enum class SettingId {
    FontNameLabel,
    FontBoldLabel,
    FontItalicLabel,
    FontColorLabel,
    FontSizeLabel,
    FontNameTitle,
    FontBoldTitle,
    FontItalicTitle,
    FontColorTitle,
    FontSizeTitle,
    Language,
    Skins,
    RecentCount,
    MaxHit,
    Recursive,
    ZipContent,
    EnableComment,
    SortResult,
    IgnoreMaxHit,
    RandomSkin,
    OnTop,
    BorderMagnetic,
    DevChange,
    Border,
    IncludeComment,
    IncludeDate,
    IncludeDisk,
    IncludeFile,
    IncludeDir,
    IncludeSize,
    ColumnSeparator,
    StyleHTML,
    HeaderBackColor,
    HeaderTextColor,
    FieldBackColor,
    FieldTextColor,
    ShowSysTray,
    ShowTaskBar,
    NumIconSysTray,
    View,
    MainLeft,
    MainTop,
    FindLeft,
    FindTop,
    FindWidth,
    FindHeight,
    LibLeft,
    LibTop,
    LibWidth,
    LibHeight,
    ViewLeft,
    ViewTop,
    ViewWidth,
    ViewHeight,
    LVLibNameWidth,
    LVLibDateWidth,
    LVLibRootWidth,
    LVLibFreeWidth,
    LVLibTotalWidth,
    LVLibCommentWidth,
    LVFindNameWidth,
    LVFindDirWidth,
    LVFindSizeWidth,
    LVFindDateWidth,
    LVFindDiskIDWidth,
    LVFindCommentWidth,
    LVPathNameWidth,
    LVPathSizeWidth,
    LVPathDateWidth,
    LVPathCommentWidth,
    NextSkin, // the skin this start loaded, for the next one to move on from
    Count
};

// The four values that keep a window's place, in twips.
struct PlaceIds {
    SettingId left, top, width, height;
};
inline constexpr PlaceIds FindPlaceIds{SettingId::FindLeft, SettingId::FindTop, SettingId::FindWidth,
                                       SettingId::FindHeight};
inline constexpr PlaceIds LibPlaceIds{SettingId::LibLeft, SettingId::LibTop, SettingId::LibWidth, SettingId::LibHeight};
inline constexpr PlaceIds ViewPlaceIds{SettingId::ViewLeft, SettingId::ViewTop, SettingId::ViewWidth,
                                       SettingId::ViewHeight};

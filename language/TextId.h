#pragma once
// The numbers of the language file, each named once. Windows read texts by
// these names, never by a bare number. Numbers no window reads (41, 51, 73,
// 102 to 120) have no name; a language file may still hold them.

// X(name, number)
#define CORVANE_TEXT_IDS(X)                                                                                            \
    X(LanguageName, 0)         /* display name in the options language list */                                         \
    X(AskReplaceCatalog, 1)    /* a catalog of that name exists: replace it? */                                        \
    X(AskArchivePassword, 2)   /* password of an encrypted archive member */                                           \
    X(AskOverwriteFile, 3)     /* extraction: followed by the file name and "?" */                                     \
    X(OverwriteFileTitle, 4)   /* title of that question */                                                            \
    X(ScanRunning, 5)          /* status line while a scan runs */                                                     \
    X(ScanDoneIn, 6)           /* after the line count of a finished scan */                                           \
    X(ScanDoneSeconds, 7)      /* after its elapsed seconds */                                                         \
    X(PageLanguage, 8)         /* options: node and frame fraLanguage */                                               \
    X(Recursive, 9)            /* main lblRecursive */                                                                 \
    X(SearchZipContent, 10)    /* main lblSearchZipContent */                                                          \
    X(EnableComment, 11)       /* main lblEnableComment */                                                             \
    X(Start, 12)               /* main lblSearch and lblFind */                                                        \
    X(Stop, 13)                /* main lblStop */                                                                      \
    X(EjectCD, 14)             /* main lblEjectCD */                                                                   \
    X(Ok, 15)                  /* comment editor lblOk */                                                              \
    X(Name, 16)                /* library column 1, save dialog lblName */                                             \
    X(Comment, 17)             /* library column 6, browser column 4, save lblComment */                               \
    X(Save, 18)                /* save dialog lblSave */                                                               \
    X(Cancel, 19)              /* lblCancel of the save dialog and the comment editor */                               \
    X(Confirm, 20)             /* options cmdExit, catalog properties confirm button */                                \
    X(PageSkins, 21)           /* options: node and frame fraSkins */                                                  \
    X(PageSetup, 22)           /* options: root node */                                                                \
    X(PageFileType, 23)        /* options: node and frame fraFileType */                                               \
    X(AddFileType, 24)         /* cmdAddFileType */                                                                    \
    X(RemoveFileType, 25)      /* cmdRemoveFileType */                                                                 \
    X(NameExists, 26)          /* notice: that name already exists */                                                  \
    X(AlwaysOnTop, 27)         /* chkAllwaysOnTop, tray item ONTOP */                                                  \
    X(OptionsSideBar, 28)      /* vertical caption of the options dialog */                                            \
    X(GenerateSkin, 29)        /* cmdGenereSkin */                                                                     \
    X(RecentSearches, 30)      /* lblRecent */                                                                         \
    X(CatalogList, 31)         /* main lblListDAT */                                                                   \
    X(FileFilter, 32)          /* main lblFilter */                                                                    \
    X(DiskType, 33)            /* main lblTypeDisk */                                                                  \
    X(All, 34)                 /* head of the catalog and disk-type lists: no restriction */                           \
    X(FileName, 35)            /* results and browser column 1, chkFileName, report */                                 \
    X(Folder, 36)              /* results column 2, chkPath, report */                                                 \
    X(Size, 37)                /* results column 3, browser column 2, chkSize, report */                               \
    X(Date, 38)                /* results 4, browser 3, library 2, chkDate, report */                                  \
    X(Disk, 39)                /* results column 5, chkDiskID, report */                                               \
    X(FoundComment, 40)        /* results column 6, chkComment, report */                                              \
    X(MenuOpen, 42)            /* OPEN of the library and results menus */                                             \
    X(MenuDelete, 43)          /* DEL of the library menu, DELETE of the results menu */                               \
    X(MenuMoveFile, 44)        /* MOVE of the results menu */                                                          \
    X(MenuRenameCatalog, 45)   /* MOVE of the library menu */                                                          \
    X(MenuProperties, 46)      /* OPTION of the main menu; PROP of the others */                                       \
    X(MenuEditComment, 47)     /* EDIT of the results menu */                                                          \
    X(InsertDisk, 48)          /* followed by a blank and the catalog's name */                                        \
    X(AskDelete, 49)           /* delete question; the results window adds a name and 50 */                            \
    X(AskDeleteEnd, 50)        /* end of the results window's delete question */                                       \
    X(ChooseFolder, 52)        /* title of the folder chooser */                                                       \
    X(IgnoreMaxHit, 53)        /* main lblIgnoreMaxHit */                                                              \
    X(MaxHit, 54)              /* options lblMaxHit */                                                                 \
    X(MaxHitReached, 55)       /* the search stopped at the hit limit */                                               \
    X(BorderMagnetic, 56)      /* chkScreenBorderMagnetic */                                                           \
    X(FreeSpace, 57)           /* library column 4 */                                                                  \
    X(TotalSize, 58)           /* library column 5 */                                                                  \
    X(RootFolder, 59)          /* library column 3 */                                                                  \
    X(MenuAbout, 60)           /* ABOUT of the main and tray menus */                                                  \
    X(MenuOptionFirst, 61)     /* OPTION as the main window first builds its menu */                                   \
    X(AboutSideBar, 62)        /* first word of the about box's side bar */                                            \
    X(CheckUpdate, 63)         /* cmdScan */                                                                           \
    X(AskDownload, 64)         /* a newer version exists: download it? */                                              \
    X(DownloadDone, 65)        /* first line after a download */                                                       \
    X(DownloadSavedAs, 66)     /* second line, followed by the file name */                                            \
    X(View, 67)                /* browser lblView */                                                                   \
    X(BrowserListTip, 68)      /* tool tip of the browser list */                                                      \
    X(UpToDate, 69)            /* the program is up to date */                                                         \
    X(SortResults, 70)         /* main lblSort */                                                                      \
    X(MenuExit, 71)            /* EXIT of the main, tray and viewer menus */                                           \
    X(ReportTitle, 72)         /* title of the reports */                                                              \
    X(Apply, 74)               /* cmdApplyLabel, cmdApplyTitle, properties apply button */                             \
    X(PageReport, 75)          /* options: node and frame fraReport */                                                 \
    X(ReportFormat, 76)        /* lblReportFormat */                                                                   \
    X(Html, 77)                /* optHTML, fraHTML */                                                                  \
    X(PlainText, 78)           /* optText, fraText */                                                                  \
    X(IncludeColumns, 79)      /* fraInclude */                                                                        \
    X(Separator, 80)           /* lblSeparator */                                                                      \
    X(Border, 81)              /* chkBorder */                                                                         \
    X(HeaderBackColor, 82)     /* lblHeaderBackColor */                                                                \
    X(HeaderTextColor, 83)     /* lblHeaderTextColor */                                                                \
    X(FieldBackColor, 84)      /* lblFieldBackColor */                                                                 \
    X(FieldTextColor, 85)      /* lblFieldTextColor */                                                                 \
    X(SaveTitle, 86)           /* save dialog lblTitle */                                                              \
    X(Fonts, 87)               /* fraFont */                                                                           \
    X(LabelFont, 88)           /* fraLabel */                                                                          \
    X(TitleFont, 89)           /* fraTitle */                                                                          \
    X(Bold, 90)                /* chkBoldLabel, chkBoldTitle */                                                        \
    X(Italic, 91)              /* chkItalicLabel, chkItalicTitle */                                                    \
    X(AskCatalogNewVolume, 92) /* followed by a blank and the volume */                                                \
    X(DevChange, 93)           /* chkDevChange */                                                                      \
    X(PageDisplay, 94)         /* options: node and frame fraDisplay */                                                \
    X(ShowSysTray, 95)         /* chkSystray */                                                                        \
    X(RandomSkin, 96)          /* chkRandomSkin */                                                                     \
    X(SysTrayIcon, 97)         /* fraSysIcon */                                                                        \
    X(ShowTaskBar, 98)         /* chkTaskbar */                                                                        \
    X(AddDesktopIcon, 99)      /* cmdAddIconDeskTop */                                                                 \
    X(MenuPrint, 100)          /* PRINT of the library and results menus */                                            \
    X(MoveSameFolder, 101)     /* results window Move: the chosen folder is its own */                                 \
    X(PartShown, 102)          /* viewer: only the first part of the file is shown */

enum class TextId : int {
#define CORVANE_TEXT_ID_ENUM(name, number) name = number,
    CORVANE_TEXT_IDS(CORVANE_TEXT_ID_ENUM)
#undef CORVANE_TEXT_ID_ENUM
};

// Every named number, in order.
inline constexpr TextId AllTextIds[] = {
#define CORVANE_TEXT_ID_LIST(name, number) TextId::name,
    CORVANE_TEXT_IDS(CORVANE_TEXT_ID_LIST)
#undef CORVANE_TEXT_ID_LIST
};

#pragma once
// Every outside effect a window has, handed to it through its constructor:
// the program builds the real services once (ProgramServices), tests build
// fakes (tests/support/FakeServices.h).

class Clock;
class DesktopActions;
class Ejector;
class FolderChooser;
class HelpService;
class MountWatcher;
class Prompter;
class TrayFactory;

struct Services {
    Prompter& prompter;
    HelpService& help;
    DesktopActions& desktop;
    FolderChooser& folderChooser;
    TrayFactory& tray;
    MountWatcher& mounts;
    Ejector& ejector;
    Clock& clock;
};

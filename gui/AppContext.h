#pragma once
// The world a window lives in, handed to it through its constructor: the
// services (every outside effect), the program's folders, the settings, the
// texts, the skin, the other windows and the runner of long work. The
// program builds one; tests build one of fakes.

class JobRunner;
class LangText;
class Skin;
class WindowLabeler;
class WindowRegistry;
struct AppFolders;
struct AppSettings;
struct Services;

struct AppContext {
    Services& services;
    const AppFolders& folders;
    AppSettings& settings;
    LangText& texts;
    WindowLabeler& windowTexts;
    WindowRegistry& windows;
    Skin& skin;
    JobRunner& jobs;
};

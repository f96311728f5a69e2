#pragma once
// The English language file put into a benchmark's fresh program folder:
// without it the start-up of the main window asks about it in a box that
// nobody answers.

#include <filesystem>
#include <string>

inline void CopyLanguageFile(const std::string& appPath)
{
    std::filesystem::create_directories(appPath + "language");
    std::filesystem::copy_file(CORVANE_LANGUAGE_FILE, appPath + "language/CorD_eng.lng");
}

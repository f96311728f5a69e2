#pragma once
// The texts of the current language: 121 entries, 0 to 120, all empty until a
// language file is loaded. A load overwrites only the entries its file names.

#include "language/TextId.h"

#include <QString>

#include <array>
#include <string>
#include <string_view>

class ProfileIni;
class Prompter;

class LangText {
public:
    static constexpr int Count = 121;

    const std::string& operator[](TextId id) const { return texts_[static_cast<int>(id)]; }
    QString text(TextId id) const { return QString::fromStdString((*this)[id]); }
    // Entry n; false (and nothing stored) when n lies outside 0 to 120.
    bool set(int n, std::string text);

private:
    std::array<std::string, Count> texts_;
};

enum class LanguageLoad {
    Loaded,     // the file's texts were taken
    Missing,    // no such file in the language folder
    Unreadable, // there, but not a file that can be read
    NoTexts,    // read, but without a [Text] section that holds a key
};

// Reads the [Text] section of fileName (a bare name, found in folder, the
// language folder, without regard to case) into texts. Anything but Loaded
// changes nothing and says nothing. Keys that are not a decimal number from 0
// to 120 are skipped; the rest is loaded and the skipped keys are named in one
// message on prompter.
LanguageLoad LoadLanguage(Prompter& prompter, LangText& texts, const std::string& folder, std::string_view fileName);

// The [Text] section of a profile into texts, as LoadLanguage takes it;
// sourceName names it in the message about skipped keys.
LanguageLoad LoadLanguageTexts(Prompter& prompter, LangText& texts, const ProfileIni& profile,
                               std::string_view sourceName);

// Why a load that did not give Loaded took nothing, as a message says it:
// 'The language file "CorD_deu.lng" is missing.'
std::string LanguageFileProblem(std::string_view fileName, LanguageLoad result);

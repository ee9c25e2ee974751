// The language of the messages: English as written in the program, or the
// translation from a gettext catalogue (.mo) chosen by the locale.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kalvenor::commands::translation {

// Takes the bytes of a catalogue (a .mo file) as the translation; false,
// and the translation unchanged, unless they form one whose every string
// lies inside them. The page hands its compiled-in catalogue here.
bool LoadCatalogue(std::string bytes);

// The programs' catalogue file (translation_file.cpp), chosen once, at
// start: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty names the locale ("ja_JP.UTF-8"), and
// <localeDir>/<ll_CC or ll>/LC_MESSAGES/kalvenor-cli.mo holds its texts.
// C, POSIX, no locale or no catalogue: English.
void Load(const std::filesystem::path& localeDir);

// Where the catalogues lie: <folder of the program>/../share/locale, as
// installed and as built; on Windows <folder of the program>/locale.
std::filesystem::path LocaleDir();

// msgid's translation, or msgid itself when there is none.
std::string_view Translate(std::string_view msgid);

}  // namespace kalvenor::commands::translation

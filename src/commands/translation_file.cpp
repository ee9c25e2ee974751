// The catalogue's file, chosen by the locale: kept apart from the catalogue
// itself (translation.cpp) so that the page, which has no files, links no
// file reading.
#include <fstream>
#include <iterator>
#include <string>

#include "commands/translation.h"
#include "program/locale_setting.h"
#include "program/program_folder.h"

namespace kalvenor::commands::translation {
namespace {

bool TryLoad(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  return LoadCatalogue(std::string{std::istreambuf_iterator<char>(in), {}});
}

}  // namespace

void Load(const std::filesystem::path& localeDir) {
  const std::string locale = LocaleSetting();
  const std::string territory = locale.substr(0, locale.find_first_of(".@"));  // ll_CC
  const std::string language = territory.substr(0, territory.find('_'));       // ll
  if (localeDir.empty() || language.empty() || language == "C" || language == "POSIX") return;
  for (const std::string& name : {territory, language}) {
    if (TryLoad(localeDir / name / "LC_MESSAGES" / "kalvenor-cli.mo")) return;
  }
}

// Beside the program on Windows, where everything of a program shares its
// folder; <prefix>/share/locale for <prefix>/bin elsewhere.
std::filesystem::path LocaleDir() {
  const std::filesystem::path folder = ProgramFolder();
  if (folder.empty()) return {};
#ifdef _WIN32
  return folder / "locale";
#else
  return folder.parent_path() / "share" / "locale";
#endif
}

}  // namespace kalvenor::commands::translation

#include "cli/date_output.h"

#include "calendar/eras.h"
#include "cli/iso_date.h"
#include "cli/kanji_date.h"
#include "display/display_text.h"
#include "text/utf8.h"

namespace cli {

void AppendDate(const ymd::DateParts& date, OutputStyle style, std::string& out) {
  switch (style) {
    case OutputStyle::Era:
      out += chars::ToUtf8(ymd::DisplayText(date, ymd::DisplayStyle::Era));
      break;
    case OutputStyle::Reiwa:
      out += chars::ToUtf8(ymd::DisplayText(date, ymd::DisplayStyle::Era, ymd::kEras));
      break;
    case OutputStyle::Kanji: AppendKanjiDate(date, out); break;
    case OutputStyle::Western:
      out += chars::ToUtf8(ymd::DisplayText(date, ymd::DisplayStyle::Western));
      break;
    case OutputStyle::Iso: AppendIsoDate(date, out); break;
  }
}

}  // namespace cli

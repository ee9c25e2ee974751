// The files of --closed and --open: one date a line, in any form the
// reader takes, "#" starting a comment, blank lines skipped; in the
// encodings standard input may have, found the same way (line_reader.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "holidays/business_days.h"
#include "reader/date_input.h"

namespace kalvenor::cli {

// The rules of the options, with the dates of their files; std::nullopt
// when a file cannot be read or holds a line that is not a date, each such
// problem added to errors as a message naming the file (and the line).
std::optional<BusinessRules> LoadBusinessRules(const BusinessOptions& options, Encoding encoding,
                                               const reader::ReadOptions& read,
                                               std::vector<std::string>& errors);

}  // namespace kalvenor::cli

// Test fixture: today pinned, and the parser's reference day taken afresh.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "parse/clock.h"
#include "parse/date_parser.h"

namespace ymd {

class PinnedToday : public ::testing::Test {
 protected:
  static void Pin(const std::u16string& today) {
    SetTodayTextForTesting(today);
    ResetTodayCache();
  }
  // Tuesday; April 1999 begins on a Thursday and has 30 days.
  void SetUp() override { Pin(u"1999/04/20"); }
  void TearDown() override { Pin(u""); }
};

}  // namespace ymd

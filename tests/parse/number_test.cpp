#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <string_view>

#include "numeric/checked.h"
#include "parse/number.h"
#include "text/utf8.h"

namespace ymd {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct NumberCase {
  std::u16string_view text;
  double value;
};

const NumberCase kNumbers[] = {
    {u"", 0},          {u"x5", 0},         {u"5x", 5},
    {u" 1 2", 12},     {u"\t1\n2", 12},    {u"1\r2", 1},
    {u"-5", -5},       {u"+5", 5},         {u"- 5", -5},
    {u"--5", 0},       {u"1.5", 1.5},      {u".5", 0.5},
    {u"-.5", -0.5},    {u"5.", 5},         {u".", 0},
    {u"1.2.3", 1.2},   {u"1 . 2 5", 1.25}, {u"007", 7},
    // Exponents: E or D in either case; a letter without digits ends the
    // number before it.
    {u"1e1", 10},      {u"1E1", 10},       {u"1d2", 100},
    {u"1D2", 100},     {u"1e-1", 0.1},     {u"2.5E+2", 250},
    {u"1 e 2", 100},   {u"1e", 1},         {u"1e+", 1},
    {u"1ex", 1},       {u"1e2.5", 100},    {u"1e2e3", 100},
    {u"e5", 0},
    // Hexadecimal and octal, unsigned.
    {u"&H1F", 31},     {u"&h1f", 31},      {u"& H 1 0", 16},
    {u"&HFFFF", 65535}, {u"&HFFFFFFFF", 4294967295.0},
    {u"&O17", 15},     {u"&o17", 15},      {u"&O8", 0},
    {u"&O78", 7},      {u"&H", 0},         {u"&", 0},
    {u"&X1", 0},       {u"-&H1", 0},
    // ASCII only.
    {u"１２", 0},      {u"\u30001", 0},
    // Beyond the double range.
    {u"1e400", kInfinity},   {u"-1e400", -kInfinity},
    {u"1e-400", 0},          {u"1e99999999999999999999", kInfinity},
    {u"1e-99999999999999999999", 0},
};

TEST(ReadNumber, ReadsTheLeadingNumber) {
  for (const NumberCase& c : kNumbers) {
    EXPECT_EQ(c.value, ReadNumber(std::u16string(c.text)))
        << chars::ToUtf8(c.text);
  }
}

// Long digit runs read in linear time, and their size alone never decides
// between overflow and underflow.
TEST(ReadNumber, LongDigitRuns) {
  const std::u16string zeros(100000, u'0');
  EXPECT_EQ(1, ReadNumber(u"1" + zeros + u"e-100000"));
  EXPECT_EQ(1, ReadNumber(u"0." + zeros + u"1e100001"));
  EXPECT_EQ(kInfinity, ReadNumber(u"1" + zeros));
  EXPECT_EQ(kInfinity, ReadNumber(u"1" + zeros + u"e-5"));
  EXPECT_EQ(0, ReadNumber(u"0." + zeros + u"1"));
  EXPECT_EQ(0, ReadNumber(u"0." + zeros + u"1e5"));
  EXPECT_NEAR(1.0 / 3, ReadNumber(u"0." + std::u16string(100000, u'3')), 1e-16);
  EXPECT_EQ(kInfinity, ReadNumber(u"&H" + std::u16string(100000, u'F')));
  EXPECT_EQ(7, ReadNumber(u"7" + std::u16string(100000, u' ')));
}

struct BeginsCase {
  std::u16string_view text;
  bool number;
};

const BeginsCase kBeginnings[] = {
    {u"0", true},     {u" 5", true},  {u"-5", true},  {u".5", true},
    {u"5x", true},    {u"&H1", true}, {u"&o7", true}, {u"", false},
    {u" ", false},    {u"-", false},  {u".", false},  {u"x", false},
    {u"e5", false},   {u"&H", false}, {u"&Hz", false}, {u"&O9", false},
};

TEST(BeginsWithNumber, TellsZeroFromNothing) {
  for (const BeginsCase& c : kBeginnings) {
    EXPECT_EQ(c.number, BeginsWithNumber(std::u16string(c.text)))
        << chars::ToUtf8(c.text);
  }
}

struct RoundCase {
  double value;
  std::int16_t rounded;
};

const RoundCase kRoundings[] = {
    {1.5, 2},       {2.5, 2},        {3.5, 4},         {-1.5, -2},
    {-2.5, -2},     {0.49, 0},       {-0.0, 0},        {1989.5, 1990},
    {32767.4, 32767}, {-32768.5, -32768}, {-32768.4, -32768},
};

TEST(RoundToInt16, HalvesGoToEven) {
  for (const RoundCase& c : kRoundings) {
    EXPECT_EQ(c.rounded, RoundToInt16(c.value)) << c.value;
  }
}

TEST(RoundToInt16, RaisesOutsideSixteenBits) {
  const double outside[] = {32767.5, 32768,     -32768.6, -32769,
                            1e9,     kInfinity, -kInfinity,
                            std::numeric_limits<double>::quiet_NaN()};
  for (const double value : outside) {
    EXPECT_THROW(RoundToInt16(value), checked::OverflowError) << value;
  }
}

}  // namespace
}  // namespace ymd

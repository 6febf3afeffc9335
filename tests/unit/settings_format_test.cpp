#include <gtest/gtest.h>

#include "settings/settings_format.h"

namespace vl {
namespace {

TEST(SettingsReading, TakesTheFirstFieldOfTheFirstLine) {
  EXPECT_EQ(parseSettingValue("c:\\windows\\\r\n"), "c:\\windows\\");
  EXPECT_EQ(parseSettingValue("1,0\r\n"), "1");
  EXPECT_EQ(parseSettingValue(" 1\r\n"), "1");
  EXPECT_EQ(parseSettingValue("\"0\"\r\n"), "0");
  EXPECT_EQ(parseSettingValue("2\r\nsecond line"), "2");
  EXPECT_EQ(parseSettingValue("no line break"), "no line break");
  EXPECT_EQ(parseSettingValue("a\nb"), "a");
  EXPECT_EQ(parseSettingValue("\r\n"), "");
  EXPECT_EQ(parseSettingValue("   "), "");
  EXPECT_EQ(parseSettingValue(""), "");
}

TEST(SettingsReading, QuotedFieldRunsToItsClosingQuote) {
  EXPECT_EQ(parseSettingValue("\"c:\\my,windows\\\"\r\n"), "c:\\my,windows\\");
  EXPECT_EQ(parseSettingValue("  \" lead\",x"), " lead");
  EXPECT_EQ(parseSettingValue("\"say \"\"hi\"\"\"\r\n"), "say \"hi\"");
  EXPECT_EQ(parseSettingValue("\"unclosed, still read"), "unclosed, still read");
  // Quotes inside a bare field are part of it.
  EXPECT_EQ(parseSettingValue("ab\"c\""), "ab\"c\"");
}

TEST(SettingsWriting, PlainValuesAreWrittenAsTheyStand) {
  EXPECT_EQ(formatSettingLine("c:\\windows\\"), "c:\\windows\\\r\n");
  EXPECT_EQ(formatSettingLine("1"), "1\r\n");
  EXPECT_EQ(formatSettingLine(""), "\r\n");
  EXPECT_EQ(formatSettingLine("trailing "), "trailing \r\n");
}

TEST(SettingsWriting, EveryValueReadsBackExactly) {
  for (std::string value : std::initializer_list<std::string>{
           "c:\\my,windows\\", " leading", "  ", "\"quoted\"", "a\"b", ",", "\"", "x,\"y\",z",
           "c:\\w\xC3\xADndows\\", "\xD0\xBE\xD0\xBA\xD0\xBD\xD0\xB0, 2", "tab\there",
           "two\r\nlines", std::string(70000, 'x') + ","}) {
    EXPECT_EQ(parseSettingValue(formatSettingLine(value)), value) << value;
  }
}

}  // namespace
}  // namespace vl

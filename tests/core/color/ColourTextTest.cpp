#include <gtest/gtest.h>

#include "color/ColourText.h"

namespace gs {
namespace {

// Each text read both ways: as a whole decimal and as hexadecimal ({} where refused).
struct TextCase {
  const char* text;
  std::optional<std::int64_t> decimal;
  std::optional<std::int32_t> hex;
};

class ColourTextParsing : public ::testing::TestWithParam<TextCase> {};

TEST_P(ColourTextParsing, ReadsOnlyWellFormedNumbers) {
  const TextCase& c = GetParam();
  EXPECT_EQ(ParseWholeDecimalText(c.text), c.decimal) << '"' << c.text << '"';
  EXPECT_EQ(ParseHexText(c.text), c.hex) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ColourTextParsing,
    ::testing::Values(TextCase{"300", 300, 0x300}, TextCase{"16777216", 16777216, 0x16777216},
                      TextCase{"-1", -1, {}}, TextCase{"+7", 7, {}}, TextCase{"4.0", 4, {}},
                      TextCase{"5.", 5, {}}, TextCase{"2.5", {}, {}}, TextCase{"", {}, {}},
                      TextCase{"-", {}, {}}, TextCase{"1.2.3", {}, {}}, TextCase{" 12", {}, {}},
                      TextCase{"1e3", {}, 0x1E3}, TextCase{"aBc", {}, 0xABC}, TextCase{"FFFFFFFF", {}, -1},
                      TextCase{"80000000", 80000000, INT32_MIN}, TextCase{"100000000", 100000000, {}},
                      TextCase{"0x10", {}, {}}, TextCase{"inf", {}, {}}, TextCase{"nan", {}, {}}, TextCase{"99999999999999999999", {}, {}}),
    // The text itself, its signs, points and blanks spelt out: "minus1", "4dot0", "space12".
    [](const auto& info) {
      std::string name;
      for (const char* p = info.param.text; *p; ++p)
        name += *p == '-' ? "minus" : *p == '+' ? "plus" : *p == '.' ? "dot" : *p == ' ' ? "space" : std::string(1, *p);
      return name.empty() ? std::string("empty") : name;
    });

}  // namespace
}  // namespace gs

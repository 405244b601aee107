#include "registry/convert.h"
#include "registry/error.h"

#include <gtest/gtest.h>

namespace ventaro {
namespace {

struct ConvertCase {
    const char* text;
    std::optional<std::int64_t> expected;
};

void PrintTo(const ConvertCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ConvertTest : public testing::TestWithParam<ConvertCase> { };

TEST_P(ConvertTest, ConvertsOrRefuses)
{
    const auto& c = GetParam();
    EXPECT_EQ(TryStrToInt64(c.text), c.expected) << '"' << c.text << '"';
    if (c.expected) {
        EXPECT_EQ(StrToInt64(c.text), *c.expected);
    } else {
        try {
            StrToInt64(c.text);
            FAIL() << "no error for \"" << c.text << '"';
        } catch (const Error& e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ConvertTest,
    testing::Values(ConvertCase{"576", 576}, ConvertCase{" 576", 576}, ConvertCase{"   +576", 576},
        ConvertCase{"576 ", std::nullopt}, ConvertCase{"$240", 576}, ConvertCase{"0x240", 576},
        ConvertCase{"0X240", 576}, ConvertCase{"-$10", -16}, ConvertCase{"-40", -40}, ConvertCase{"", std::nullopt},
        ConvertCase{"   ", std::nullopt}, ConvertCase{"+", std::nullopt}, ConvertCase{"$", std::nullopt},
        ConvertCase{"0x", std::nullopt}, ConvertCase{"1.5", std::nullopt}, ConvertCase{"abc", std::nullopt},
        ConvertCase{"12a", std::nullopt}, ConvertCase{"- 5", std::nullopt}, ConvertCase{"\t5", std::nullopt},
        ConvertCase{"9223372036854775807", INT64_MAX}, ConvertCase{"-9223372036854775808", INT64_MIN},
        ConvertCase{"9223372036854775808", std::nullopt}, ConvertCase{"99999999999999999999", std::nullopt},
        ConvertCase{"$FFFFFFFFFFFFFFFF", -1}, ConvertCase{"$1FFFFFFFFFFFFFFFF", std::nullopt},
        ConvertCase{"4294967295", 4294967295LL}));

TEST(ConvertTest, RegistryTakesLow32Bits)
{
    EXPECT_EQ(Low32(StrToInt64("4294967297")), 1u);
    EXPECT_EQ(Low32(StrToInt64("-1")), 0xFFFFFFFFu);
}

struct BoxCase {
    const char* message;
    const char* shown;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << '"' << c.message << '"'; }

class ErrorBoxTextTest : public testing::TestWithParam<BoxCase> { };

TEST_P(ErrorBoxTextTest, AddsFullStopOnlyAfterCharactersPastTheDot)
{
    EXPECT_EQ(ErrorBoxText(GetParam().message), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, ErrorBoxTextTest,
    testing::Values(BoxCase{"Failed to set data for 'MTU'", "Failed to set data for 'MTU'"},
        BoxCase{"Failed to create key System\\X", "Failed to create key System\\X."},
        BoxCase{"'x' is not a valid integer value", "'x' is not a valid integer value."},
        BoxCase{"Ends with a stop.", "Ends with a stop."}, BoxCase{"Ends in 7", "Ends in 7."},
        BoxCase{"Ends in a dash -", "Ends in a dash -"}, BoxCase{"", ""}));

} // namespace
} // namespace ventaro

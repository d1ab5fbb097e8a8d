#include "model/DVParameter.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

struct Case {
    const char16_t* text;
    bool isNumber;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<Case> {};

TEST_P(ParseNumberTest, ReadsAsTheNumberRuleSays) {
    const Case& c = GetParam();
    double number = -99.0;
    EXPECT_EQ(ParseNumber(QString::fromUtf16(c.text), number), c.isNumber);
    if (c.isNumber) {
        EXPECT_DOUBLE_EQ(number, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberTest,
                         ::testing::Values(Case{u"", true, 0}, Case{u"0", true, 0}, Case{u"000", true, 0},
                                           Case{u" 0,0. ", true, 0}, Case{u"0.000", true, 0},
                                           Case{u"12abc", true, 12}, Case{u"abc", false, 0},
                                           Case{u"a12", false, 0}, Case{u"1e3", true, 1000},
                                           Case{u"2.5E-1", true, 0.25}, Case{u"-0.5", true, -0.5},
                                           Case{u"  +7", true, 7}, Case{u"3,5", true, 3},
                                           Case{u".5", true, 0.5}, Case{u"1e", true, 1},
                                           Case{u"1e999", false, 0}, Case{u"-0", false, 0},
                                           Case{u"0x", false, 0}, Case{u"\u00e9", false, 0}));

TEST(ParseNumber, DecimalPointWhateverTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    double number = 0;
    EXPECT_TRUE(ParseNumber(QStringLiteral("1.5"), number));
    EXPECT_DOUBLE_EQ(number, 1.5);
    std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace

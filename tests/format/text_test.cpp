// The shared text rules: trimming, the default extension of a chosen name, and message words.
#include "format/text.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

TEST(Text, TrimBlanksTakesSpacesAndTabsOnly) {
    EXPECT_EQ(trimBlanks("  \t4000 \t"), "4000");
    EXPECT_EQ(trimBlanks(" \t "), "");
    EXPECT_EQ(trimBlanks(""), "");
    EXPECT_EQ(trimBlanks("a b"), "a b");
    EXPECT_EQ(trimBlanks("\nx\n"), "\nx\n"); // line breaks are not blanks of a field
}

TEST(Text, TheExtensionFollowsTheFilePartOnly) {
    EXPECT_EQ(withDefaultExtension("/r/v1.2/col", ".txt"), "/r/v1.2/col.txt");
    EXPECT_EQ(withDefaultExtension("C:\\x.y\\name", ".rcs"), "C:\\x.y\\name.rcs");
    EXPECT_EQ(withDefaultExtension("/a/name.txt", ".rcs"), "/a/name.txt");
    EXPECT_EQ(withDefaultExtension("name.", ".rcs"), "name.");
    EXPECT_EQ(withDefaultExtension("column", ".csv"), "column.csv");
}

TEST(Text, CountsAgreeWithTheirWord) {
    EXPECT_EQ(countOf(1, "field", "fields"), "1 field");
    EXPECT_EQ(countOf(0, "field", "fields"), "0 fields");
    EXPECT_EQ(countOf(12, "load", "loads"), "12 loads");
}

TEST(Text, ControlCharactersAreEscapedAndAllElseKept) {
    using namespace std::string_literals;
    EXPECT_EQ(printable("4\0x"s), "4\\x00x");
    EXPECT_EQ(printable("a\nb\rc\td\x1B[2Je\x7F"), "a\\x0Ab\\x0Dc\\x09d\\x1B[2Je\\x7F");
    EXPECT_EQ(printable("f'c = 4 000 \xC2\xB0 \\ ok"), "f'c = 4 000 \xC2\xB0 \\ ok");
}

} // namespace
} // namespace pmsect

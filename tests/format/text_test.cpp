// The shared text rules: trimming and the default extension of a chosen name.
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

} // namespace
} // namespace pmsect

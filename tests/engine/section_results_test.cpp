// The finiteness check of a summary's results names the first value that is not finite.
#include "engine/section_results.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>

namespace pmsect {
namespace {

TEST(SectionResults, TheFirstValueThatIsNotFiniteIsNamed) {
    constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
    constexpr float kInf = std::numeric_limits<float>::infinity();
    const struct {
        void (*spoil)(SectionResults&);
        std::optional<std::string> named;
    } cases[] = {
        {[](SectionResults&) {}, std::nullopt},
        {[](SectionResults& r) { r.limits.Po = -kInf; }, "Po"},
        {[](SectionResults& r) { r.limits.curveLevel = kNan; }, "tenthFcAg"},
        {[](SectionResults& r) { (*r.pureBending)[2].Mn = kInf; }, "pureBending[2].Mn"},
        // Without bars there are no strengths to check.
        {[](SectionResults& r) { r.pureBending.reset(); }, std::nullopt},
    };
    for (const auto& c : cases) {
        SectionResults results;
        results.limits = {6.2f, -906990, -471635, 372000, 334800, -64800};
        results.pureBending.emplace();
        c.spoil(results);
        EXPECT_EQ(firstNonFiniteValue(results), c.named) << c.named.value_or("none");
    }
}

} // namespace
} // namespace pmsect

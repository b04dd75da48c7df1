// The curve searches' starting depths, started again after every section summary.
#include "engine/curve_depth_memo.h"

namespace pmsect {
namespace {
constexpr float kCurveStartDepth = 10.0f; // in
} // namespace

CurveDepthMemo::Depths& CurveDepthMemo::depthsFor(std::uint64_t revision) {
    if (summary_ != revision) {
        summary_ = revision;
        for (std::size_t row = 1; row < depths_.size(); ++row) {
            depths_[row] = kCurveStartDepth;
        }
    }
    return depths_;
}

} // namespace pmsect

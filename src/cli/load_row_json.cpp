// One checked load as a JSON object.
#include "cli/load_row_json.h"

#include "cli/json_output.h"

namespace pmsect::cli {

void addLoadRowKeys(nlohmann::ordered_json& object, const LoadRow& r, bool found) {
    using json = nlohmann::ordered_json;
    const auto capacity = [&](float value) { return found ? jsonNumber(value) : json(nullptr); };
    object[kLoadRowKeys[0]] = jsonNumber(r[kPu]);
    object[kLoadRowKeys[1]] = jsonNumber(r[kMux]);
    object[kLoadRowKeys[2]] = jsonNumber(r[kMuy]);
    object[kLoadRowKeys[3]] = jsonNumber(r[kEccentricity]);
    object[kLoadRowKeys[4]] = jsonNumber(r[kLoadAngle]);
    object[kLoadRowKeys[5]] = capacity(r[kPhiPn]);
    object[kLoadRowKeys[6]] = capacity(r[kPhiMnx]);
    object[kLoadRowKeys[7]] = capacity(r[kPhiMny]);
    object[kLoadRowKeys[8]] = capacity(r[kRatio]);
    object[kLoadRowKeys[9]] = found;
}

} // namespace pmsect::cli

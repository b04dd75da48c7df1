// One checked load as a JSON object.
#include "cli/load_row_json.h"

#include "cli/json_output.h"

namespace pmsect::cli {

void addLoadRowKeys(nlohmann::ordered_json& object, const CheckedLoad& check) {
    using json = nlohmann::ordered_json;
    const LoadResult& r = check.result;
    const auto capacity = [&](float value) {
        return r.capacityFound ? jsonNumber(value) : json(nullptr);
    };
    object[kLoadRowKeys[0]] = jsonNumber(check.load.Pu);
    object[kLoadRowKeys[1]] = jsonNumber(check.load.Mux);
    object[kLoadRowKeys[2]] = jsonNumber(check.load.Muy);
    object[kLoadRowKeys[3]] = jsonNumber(r.eccentricity);
    object[kLoadRowKeys[4]] = jsonNumber(r.angle);
    object[kLoadRowKeys[5]] = capacity(r.phiPn);
    object[kLoadRowKeys[6]] = capacity(r.phiMnx);
    object[kLoadRowKeys[7]] = capacity(r.phiMny);
    object[kLoadRowKeys[8]] = capacity(r.ratio);
    object[kLoadRowKeys[9]] = r.capacityFound;
}

} // namespace pmsect::cli

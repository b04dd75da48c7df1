// Outcome of reading or writing a file: success, or the reason it failed as a text for the user.
#pragma once

#include <string>
#include <utility>

namespace pmsect {

struct FileResult {
    bool ok = true;
    std::string error; // empty when ok

    static FileResult success() { return {}; }
    static FileResult failure(std::string why) { return {false, std::move(why)}; }
    explicit operator bool() const { return ok; }
};

} // namespace pmsect

// Fuzz target: any bytes as the settings file "rcprefs.dat". Reading gives unit positions inside
// their groups; saving a unit choice then changes only the bytes of the five fields, and reads
// back.
#include "fuzz_files.h"
#include "io/settings_file.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using namespace pmsect;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "settings_file_fuzzer: %s\n", what);
    std::abort();
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool inRange(const StoredUnitPositions& u) {
    return u.length >= 1 && u.length <= 5 && u.force >= 1 && u.force <= 4 && u.moment >= 1 &&
           u.moment <= 6 && u.stress >= 1 && u.stress <= 4 && u.unitWeight >= 1 &&
           u.unitWeight <= 2;
}

bool isUnitByte(std::size_t offset) {
    for (int field : {kOffsetLengthUnit, kOffsetMomentUnit, kOffsetStressUnit, kOffsetUnitWtUnit,
                      kOffsetForceUnit}) {
        if (offset == static_cast<std::size_t>(field) ||
            offset == static_cast<std::size_t>(field) + 1) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string& dir = fuzz::scratchFolder();
    const std::string path = settingsFilePath(dir);
    const std::string before(reinterpret_cast<const char*>(data), size);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(before.data(), static_cast<std::streamsize>(before.size()));
    }

    const LoadedSettings loaded = loadSettings(dir, "/start/dir");
    if (loaded.created) {
        fail("an existing file was taken for a missing one");
    }
    if (!inRange(loaded.settings.units) ||
        (loaded.settings.showInfoAtStart != 0 && loaded.settings.showInfoAtStart != 1)) {
        fail("a field read outside its range");
    }
    if (loaded.settings.defaultDir != "/start/dir") {
        fail("the default directory was not the current one");
    }
    if (readAll(path) != before) {
        fail("reading changed the file");
    }

    // A unit choice from the input's first bytes, kept in range.
    StoredUnitPositions choice;
    if (size >= 5) {
        choice = StoredUnitPositions{
            static_cast<int16_t>(1 + data[0] % 5), static_cast<int16_t>(1 + data[1] % 4),
            static_cast<int16_t>(1 + data[2] % 6), static_cast<int16_t>(1 + data[3] % 4),
            static_cast<int16_t>(1 + data[4] % 2)};
    }
    if (!saveUnitChoice(dir, choice)) {
        fail("the unit choice could not be saved");
    }
    const std::string after = readAll(path);
    if (after.size() < before.size() || after.size() < kOffsetForceUnit + 2u) {
        fail("saving shortened the file or left a field out");
    }
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (isUnitByte(i)) {
            continue;
        }
        const char expected = i < before.size() ? before[i] : '\0';
        if (after[i] != expected) {
            fail("saving changed a byte outside the unit fields");
        }
    }
    const LoadedSettings again = loadSettings(dir, "/start/dir");
    if (!(again.settings.units == choice)) {
        fail("the saved unit choice did not read back");
    }
    return 0;
}

// Reading and patching the settings file byte by byte at its fixed offsets.
#include "io/settings_file.h"

#include "io/file_replacing.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace pmsect {
namespace {

// Number of choices in each unit group of the Units window. The io layer does not see the unit
// tables, so the counts are repeated here; the settings tests pin them.
constexpr int16_t kLengthChoices = 5;
constexpr int16_t kForceChoices = 4;
constexpr int16_t kMomentChoices = 6;
constexpr int16_t kStressChoices = 4;
constexpr int16_t kUnitWtChoices = 2;

struct Field {
    int offset;
    std::string bytes;
};

std::string int16Bytes(int16_t value) {
    const auto u = static_cast<uint16_t>(value);
    return std::string{static_cast<char>(u & 0xFF), static_cast<char>((u >> 8) & 0xFF)};
}

// Far above a real settings file (the fields and one folder path); what a damaged file holds
// beyond it is dropped when a field is written.
constexpr std::size_t kMaxSettingsBytes = 1u << 20;

// Writes each field at its offset into the file's bytes and the bytes back as a whole. A file
// shorter than an offset is first extended with zero bytes, so that the reserved bytes of a file
// we grow are zero as in one we create.
FileResult patchFile(const std::string& path, std::vector<Field> fields) {
    std::string bytes;
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            return FileResult::failure("Cannot open " + path);
        }
        bytes.resize(kMaxSettingsBytes);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        if (in.bad()) {
            return FileResult::failure("Cannot read " + path);
        }
    }
    for (const Field& f : fields) {
        const auto end = static_cast<std::size_t>(f.offset) + f.bytes.size();
        if (bytes.size() < end) {
            bytes.resize(end, '\0');
        }
        bytes.replace(static_cast<std::size_t>(f.offset), f.bytes.size(), f.bytes);
    }
    return writeFileReplacing(path, bytes);
}

std::vector<Field> unitFields(const StoredUnitPositions& p) {
    return {{kOffsetLengthUnit, int16Bytes(p.length)},
            {kOffsetMomentUnit, int16Bytes(p.moment)},
            {kOffsetStressUnit, int16Bytes(p.stress)},
            {kOffsetUnitWtUnit, int16Bytes(p.unitWeight)},
            {kOffsetForceUnit, int16Bytes(p.force)}};
}

// Reads the 16-bit field at offset into value when the file holds it and it lies in
// [low, high]; otherwise leaves the default in value and notes the mend.
void readField(const std::string& bytes, int offset, int16_t low, int16_t high, int16_t& value,
               bool& mended) {
    if (bytes.size() < static_cast<std::size_t>(offset) + 2) {
        mended = true;
        return;
    }
    const auto lo = static_cast<uint8_t>(bytes[static_cast<std::size_t>(offset)]);
    const auto hi = static_cast<uint8_t>(bytes[static_cast<std::size_t>(offset) + 1]);
    const auto read = static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
    if (read < low || read > high) {
        mended = true;
        return;
    }
    value = read;
}

DesignCode readDesignCode(const std::string& bytes, bool& mended) {
    int16_t stored = 0;
    bool missing = false;
    readField(bytes, kOffsetDesignCode, std::numeric_limits<int16_t>::min(),
              std::numeric_limits<int16_t>::max(), stored, missing);
    if (stored == 0) {
        return DesignCode::Aci318_05;
    }
    for (const DesignCode code : kDesignCodes) {
        if (storedDesignCode(code) == stored) {
            return code;
        }
    }
    mended = true;
    return DesignCode::Aci318_05;
}

} // namespace

int16_t storedDesignCode(DesignCode code) {
    switch (code) {
    case DesignCode::Aci318_05:
        return 5;
    case DesignCode::Aci318_14:
        return 14;
    case DesignCode::Aci318_19:
        return 19;
    }
    return 5;
}

std::string settingsFilePath(const std::string& installDir) {
    if (installDir.empty()) {
        return kSettingsFileName;
    }
    if (installDir.back() == '/') {
        return installDir + kSettingsFileName;
    }
    return installDir + "/" + kSettingsFileName;
}

LoadedSettings loadSettings(const std::string& installDir, const std::string& currentDir) {
    LoadedSettings out;
    out.settings.defaultDir = currentDir;
    const std::string path = settingsFilePath(installDir);

    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        out.created = true;
        std::vector<Field> fields = unitFields(out.settings.units);
        fields.push_back({kOffsetShowInfoAtStart, int16Bytes(out.settings.showInfoAtStart)});
        fields.push_back({kOffsetDefaultDir, currentDir});
        out.write = patchFile(path, std::move(fields));
        return out;
    }

    // Only the bytes before the path field are read. A "settings file" that is a pipe or a device
    // is not opened at all (a pipe would wait for a writer) and reads as an empty file.
    std::string bytes;
    if (std::filesystem::is_regular_file(path, ec)) {
        std::ifstream in(path, std::ios::binary);
        bytes.resize(static_cast<std::size_t>(kOffsetDefaultDir));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    StoredUnitPositions& u = out.settings.units;
    bool mended = false;
    readField(bytes, kOffsetLengthUnit, 1, kLengthChoices, u.length, mended);
    readField(bytes, kOffsetMomentUnit, 1, kMomentChoices, u.moment, mended);
    readField(bytes, kOffsetStressUnit, 1, kStressChoices, u.stress, mended);
    readField(bytes, kOffsetUnitWtUnit, 1, kUnitWtChoices, u.unitWeight, mended);
    readField(bytes, kOffsetForceUnit, 1, kForceChoices, u.force, mended);
    readField(bytes, kOffsetShowInfoAtStart, 0, 1, out.settings.showInfoAtStart, mended);
    out.settings.designCode = readDesignCode(bytes, mended);
    out.mended = mended;
    return out;
}

FileResult saveUnitChoice(const std::string& installDir, const StoredUnitPositions& positions) {
    return patchFile(settingsFilePath(installDir), unitFields(positions));
}

FileResult saveShowInfoAtStart(const std::string& installDir, int16_t value) {
    const int16_t stored = value != 0 ? 1 : 0;
    return patchFile(settingsFilePath(installDir), {{kOffsetShowInfoAtStart, int16Bytes(stored)}});
}

FileResult saveDesignCode(const std::string& installDir, DesignCode code) {
    return patchFile(settingsFilePath(installDir),
                     {{kOffsetDesignCode, int16Bytes(storedDesignCode(code))}});
}

namespace {

constexpr std::string_view kHeaderTag = "PMSRPTH1";
constexpr std::size_t kHeaderTail = 4 + kHeaderTag.size(); // the two lengths and the tag

// The whole of a settings file that is a regular file, or nothing.
std::optional<std::string> readWholeFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct HeaderBlock {
    std::size_t start = 0; // where the block begins in the file
    ReportHeaderSettings header;
};

std::size_t readLength(const std::string& bytes, std::size_t at) {
    return static_cast<uint8_t>(bytes[at]) |
           (static_cast<std::size_t>(static_cast<uint8_t>(bytes[at + 1])) << 8);
}

// The block at the end of bytes; it never reaches into the fixed fields.
std::optional<HeaderBlock> findHeaderBlock(const std::string& bytes) {
    const std::size_t size = bytes.size();
    if (size < static_cast<std::size_t>(kOffsetDefaultDir) + kHeaderTail ||
        bytes.compare(size - kHeaderTag.size(), kHeaderTag.size(), kHeaderTag) != 0) {
        return std::nullopt;
    }
    const std::size_t lengths = size - kHeaderTail;
    const std::size_t titleLength = readLength(bytes, lengths);
    const std::size_t engineerLength = readLength(bytes, lengths + 2);
    if (titleLength + engineerLength > lengths - static_cast<std::size_t>(kOffsetDefaultDir)) {
        return std::nullopt;
    }
    HeaderBlock block;
    block.start = lengths - titleLength - engineerLength;
    block.header.title = bytes.substr(block.start, titleLength);
    block.header.engineer = bytes.substr(block.start + titleLength, engineerLength);
    return block;
}

// One line of at most kMaxReportHeaderText bytes.
std::string headerText(const std::string& text) {
    std::string out = text.substr(0, text.find_first_of("\r\n"));
    if (out.size() > kMaxReportHeaderText) {
        out.resize(kMaxReportHeaderText);
    }
    return out;
}

std::string headerBlockBytes(const ReportHeaderSettings& header) {
    const std::string title = headerText(header.title);
    const std::string engineer = headerText(header.engineer);
    return title + engineer + int16Bytes(static_cast<int16_t>(title.size())) +
           int16Bytes(static_cast<int16_t>(engineer.size())) + std::string(kHeaderTag);
}

FileResult writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return FileResult::failure("Cannot write " + path);
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
        return FileResult::failure("Cannot write " + path);
    }
    return FileResult::success();
}

} // namespace

FileResult saveDefaultDir(const std::string& installDir, const std::string& path) {
    const std::string file = settingsFilePath(installDir);
    const std::optional<std::string> bytes = readWholeFile(file);
    const std::optional<HeaderBlock> block = bytes ? findHeaderBlock(*bytes) : std::nullopt;
    if (!block) {
        return patchFile(file, {{kOffsetDefaultDir, path}});
    }
    // The path runs to the end of the file: the header block follows the new one.
    return writeWholeFile(file, bytes->substr(0, static_cast<std::size_t>(kOffsetDefaultDir)) +
                                    path + headerBlockBytes(block->header));
}

ReportHeaderSettings loadReportHeader(const std::string& installDir) {
    const std::optional<std::string> bytes = readWholeFile(settingsFilePath(installDir));
    if (!bytes) {
        return {};
    }
    const std::optional<HeaderBlock> block = findHeaderBlock(*bytes);
    return block ? block->header : ReportHeaderSettings{};
}

FileResult saveReportHeader(const std::string& installDir, const ReportHeaderSettings& header) {
    const std::string file = settingsFilePath(installDir);
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && !std::filesystem::is_regular_file(file, ec)) {
        return FileResult::failure("Cannot write " + file);
    }
    std::string bytes = readWholeFile(file).value_or(std::string());
    if (const std::optional<HeaderBlock> block = findHeaderBlock(bytes)) {
        bytes.resize(block->start);
    }
    // The fixed fields stay where they are; a short file is padded as patchFile pads it.
    if (bytes.size() < static_cast<std::size_t>(kOffsetDefaultDir)) {
        bytes.resize(static_cast<std::size_t>(kOffsetDefaultDir), '\0');
    }
    return writeWholeFile(file, bytes + headerBlockBytes(header));
}

PaperSize loadPaperSize(const std::string& installDir) {
    const std::optional<std::string> bytes = readWholeFile(settingsFilePath(installDir));
    int16_t stored = 0;
    bool mended = false;
    if (bytes) {
        readField(*bytes, kOffsetPaper, 0, 1, stored, mended);
    }
    return stored == static_cast<int16_t>(PaperSize::A4) ? PaperSize::A4 : PaperSize::Letter;
}

FileResult savePaperSize(const std::string& installDir, PaperSize paper) {
    return patchFile(settingsFilePath(installDir),
                     {{kOffsetPaper, int16Bytes(static_cast<int16_t>(paper))}});
}

} // namespace pmsect

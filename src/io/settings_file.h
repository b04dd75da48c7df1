// The settings file "rcprefs.dat": unit choice, start-up page choice and default directory kept
// at fixed byte offsets of a small binary file in the installation directory.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"

#include <cstdint>
#include <string>

namespace pmsect {

inline constexpr const char* kSettingsFileName = "rcprefs.dat";

// Byte offsets of the fields; integers are 16-bit little-endian. Bytes between and before the
// fields are reserved: never read, never written, zero in a file this program creates.
inline constexpr int kOffsetDesignCode = 20;
inline constexpr int kOffsetPaper = 23;
inline constexpr int kOffsetLengthUnit = 29;
inline constexpr int kOffsetMomentUnit = 32;
inline constexpr int kOffsetStressUnit = 35;
inline constexpr int kOffsetUnitWtUnit = 38;
inline constexpr int kOffsetForceUnit = 41;
inline constexpr int kOffsetShowInfoAtStart = 44;
inline constexpr int kOffsetDefaultDir = 49;

// The five unit positions, each 1-based in its group of the Units window.
struct StoredUnitPositions {
    int16_t length = 1;
    int16_t force = 2;
    int16_t moment = 4;
    int16_t stress = 1;
    int16_t unitWeight = 1;
    friend bool operator==(const StoredUnitPositions&, const StoredUnitPositions&) = default;
};

// The design code edition as the settings file stores it: the edition's year of two digits. A
// file of a version without editions holds 0 there, which reads as 318-05.
int16_t storedDesignCode(DesignCode code);

struct Settings {
    StoredUnitPositions units;
    DesignCode designCode = DesignCode::Aci318_05; // the edition new projects take
    int16_t showInfoAtStart = 1;                   // 1: the information window opens at start-up
    std::string defaultDir;
};

struct LoadedSettings {
    Settings settings;
    bool created = false; // the file was missing and was written with the defaults
    bool mended = false;  // a field was missing or out of range and took its default
    FileResult write;     // outcome of creating the missing file
};

// installDir + "/rcprefs.dat".
std::string settingsFilePath(const std::string& installDir);

// Start-up read. An edition the file does not know reads as 318-05. defaultDir is always currentDir
// (the path field is written, never read back). A missing file is created with the defaults; short
// or out-of-range fields read as defaults. Making defaultDir the process's current directory is the
// caller's.
LoadedSettings loadSettings(const std::string& installDir, const std::string& currentDir);

// Each writes only its own field(s) into the file of installDir, creating the file when it is
// missing, and leaves every other byte as it was. A failure is only returned.
FileResult saveUnitChoice(const std::string& installDir, const StoredUnitPositions& positions);
FileResult saveShowInfoAtStart(const std::string& installDir, int16_t value);
FileResult saveDefaultDir(const std::string& installDir, const std::string& path);
FileResult saveDesignCode(const std::string& installDir, DesignCode code);

// The project title and the engineer that head the printed report. They belong to the person at
// the desk, not to a project, so they live in the settings file; but its fixed fields take bytes
// 0..48 and the default directory runs from byte 49 to wherever it ends, so they cannot have an
// offset of their own. They are kept in a block at the very end of the file instead:
//   title bytes, engineer bytes, title length and engineer length (16-bit little-endian each),
//   then the eight bytes "PMSRPTH1",
// found by that tag at the end of the file and read back from its lengths. A file without the
// tag has no header; writing the default directory keeps the block after the new path.
struct ReportHeaderSettings {
    std::string title;
    std::string engineer;
    friend bool operator==(const ReportHeaderSettings&, const ReportHeaderSettings&) = default;
};

// The longest title or engineer kept, in bytes; longer texts are cut there.
inline constexpr std::size_t kMaxReportHeaderText = 200;

// Empty texts when the file or its block is missing or damaged.
ReportHeaderSettings loadReportHeader(const std::string& installDir);
// Replaces the block (or adds it), leaving bytes 0..48 and the directory as they were, and
// creates the file when it is missing.
FileResult saveReportHeader(const std::string& installDir, const ReportHeaderSettings& header);

// The paper the calculation is printed and saved on. The field holds 0 for US Letter and 1 for
// A4; a file of a version without it holds 0 there, so Letter is what it reads as.
enum class PaperSize : int16_t { Letter = 0, A4 = 1 };

// Letter when the file or the field is missing or holds anything but A4.
PaperSize loadPaperSize(const std::string& installDir);
FileResult savePaperSize(const std::string& installDir, PaperSize paper);

} // namespace pmsect

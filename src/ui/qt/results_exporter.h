// Export from the results window: the 2D curve or contour and the surface as comma-separated
// values, and either picture as an SVG document or a PNG image, each to a file the user names
// in the save dialog.
#pragma once

#include "results/canvas.h"
#include "ui/application.h"
#include "ui/platform.h"

#include <QImage>
#include <QSize>
#include <functional>
#include <string>

namespace pmsect {

using CanvasDrawing = std::function<void(Canvas&)>;

// The exported picture of a drawing made for a picture area of the given size: on white under
// its title line, painted at print resolution (at least kPrintWidth pixels wide, the layout of
// the picture area scaled up whole).
inline constexpr int kPrintWidth = 2400;
QImage renderPrintPicture(const CanvasDrawing& drawing, QSize size, const std::string& title);

// A picture file named ".png" (any case) is an image; any other is an SVG document.
bool isPngPath(const std::string& path);

class ResultsExporter {
public:
    ResultsExporter(Application& app, Platform& platform);

    // Each asks for a file name; a cancelled dialog writes nothing. True when a file was written.
    bool save2DData();
    bool saveSurfaceData();
    // The picture on white under its title line, as SVG or as a PNG at print resolution.
    bool savePicture(const CanvasDrawing& drawing, QSize size, const std::string& fileName,
                     const std::string& title);
    // The project as the pictures' titles name it: the report's title, else the file's name.
    std::string projectName() const;

private:
    // The chosen path (the program's one save-path rule), unless the user cancelled or declined
    // to overwrite an existing file.
    std::optional<std::string> choosePath(const std::string& filters, const std::string& fileName,
                                          const std::string& extension);
    bool writeText(const std::string& path, const std::string& text);

    Application& app_;
    Platform& platform_;
};

} // namespace pmsect

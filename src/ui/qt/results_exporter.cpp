// ResultsExporter: file names, overwrite question and the three kinds of file.
#include "ui/qt/results_exporter.h"

#include "ui/qt/qpainter_canvas.h"
#include "ui/results_export.h"
#include "ui/save_path.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <filesystem>

namespace pmsect {
namespace {

constexpr const char* kCsvFilters = "CSV files (*.csv) | *.csv | All files (*.*) | *.*";
constexpr const char* kPictureFilters =
    "SVG pictures (*.svg) | *.svg | PNG pictures (*.png) | *.png";

std::string lowerExtension(const std::filesystem::path& p) {
    std::string ext = p.extension().string();
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext;
}

} // namespace

QImage renderPicture(const CanvasDrawing& drawing, QSize size) {
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    QPainter painter(&image);
    // The picture areas are black; the export keeps the colours the user sees.
    QPainterCanvas canvas(painter, QSizeF(image.size()), CanvasBackground::Black,
                          QApplication::font());
    canvas.clear();
    drawing(canvas);
    return image;
}

bool isPngPath(const std::string& path) {
    return lowerExtension(std::filesystem::path(path)) == ".png";
}

ResultsExporter::ResultsExporter(Application& app, Platform& platform)
    : app_(app), platform_(platform) {}

std::optional<std::string> ResultsExporter::choosePath(const std::string& filters,
                                                       const std::string& fileName,
                                                       const std::string& extension) {
    return chooseSavePath(platform_, filters, 1, fileName, extension).path;
}

bool ResultsExporter::writeText(const std::string& path, const std::string& text) {
    if (!saveExport(path, text)) {
        platform_.showMessage("The file could not be written: " + path);
        return false;
    }
    return true;
}

bool ResultsExporter::save2DData() {
    const bool biaxial = app_.results().view().biaxial;
    const auto path =
        choosePath(kCsvFilters, biaxial ? "biaxial_contour.csv" : "pn_mn_curve.csv", ".csv");
    return path && writeText(*path, app_.current2DCsv());
}

bool ResultsExporter::saveSurfaceData() {
    const auto path = choosePath(kCsvFilters, "failure_surface.csv", ".csv");
    return path && writeText(*path, app_.surfaceCsvText());
}

bool ResultsExporter::savePicture(const CanvasDrawing& drawing, QSize size,
                                  const std::string& fileName) {
    const auto path = choosePath(kPictureFilters, fileName, ".svg");
    if (!path) {
        return false;
    }
    if (!isPngPath(*path)) {
        return writeText(*path,
                         pictureSvg(drawing, size.width(), size.height(), SvgBackground::Black));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!renderPicture(drawing, size).save(&buffer, "PNG") ||
        !saveExport(*path,
                    std::string_view(png.constData(), static_cast<std::size_t>(png.size())))) {
        platform_.showMessage("The file could not be written: " + *path);
        return false;
    }
    return true;
}

} // namespace pmsect

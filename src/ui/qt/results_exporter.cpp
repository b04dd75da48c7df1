// ResultsExporter: file names, overwrite question and the three kinds of file.
#include "ui/qt/results_exporter.h"

#include "results/figure_title.h"
#include "ui/qt/qpainter_canvas.h"
#include "ui/results_export.h"
#include "ui/save_path.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QPainter>
#include <algorithm>
#include <cmath>
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

QImage renderPrintPicture(const CanvasDrawing& drawing, QSize size, const std::string& title) {
    const QSize area = size.expandedTo(QSize(1, 1));
    const double scale = std::max(1.0, static_cast<double>(kPrintWidth) / area.width());
    QImage image(static_cast<int>(std::ceil(area.width() * scale)),
                 static_cast<int>(std::ceil(area.height() * scale)), QImage::Format_RGB32);
    QPainter painter(&image);
    painter.scale(scale, scale);
    QPainterCanvas canvas(painter, QSizeF(area), CanvasBackground::White, QApplication::font(),
                          1.0);
    drawTitledFigure(canvas, title, drawing);
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

std::string ResultsExporter::projectName() const {
    const std::string& title = app_.report().view().txtTitle;
    if (!title.empty()) {
        return title;
    }
    const std::string& file = app_.model().projectFileName;
    return file.empty() ? std::string("New project")
                        : std::filesystem::path(file).filename().string();
}

bool ResultsExporter::savePicture(const CanvasDrawing& drawing, QSize size,
                                  const std::string& fileName, const std::string& title) {
    const auto path = choosePath(kPictureFilters, fileName, ".svg");
    if (!path) {
        return false;
    }
    if (!isPngPath(*path)) {
        return writeText(*path, pictureSvg([&](Canvas& c) { drawTitledFigure(c, title, drawing); },
                                           size.width(), size.height(), SvgBackground::White));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!renderPrintPicture(drawing, size, title).save(&buffer, "PNG") ||
        !saveExport(*path,
                    std::string_view(png.constData(), static_cast<std::size_t>(png.size())))) {
        platform_.showMessage("The file could not be written: " + *path);
        return false;
    }
    return true;
}

} // namespace pmsect

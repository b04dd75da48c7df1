// pdfDocument: QPdfWriter on a memory buffer, so that the file itself is written whole by the
// program's durable writer.
#include "ui/qt/pdf_document.h"

#include "io/report_text.h"
#include "ui/calculation_report.h"
#include "ui/document_printing.h"
#include "ui/qt/fixed_pitch_font.h"
#include "ui/qt/paged_device_sink.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <cstdio>
#include <memory>

namespace pmsect {
namespace {

constexpr int kPdfDotsPerInch = 600;
constexpr double kMarginPoints = 54; // 3/4 in

// Text needs a Qt application for its fonts; the command line has none of its own.
void ensureApplication() {
    if (QGuiApplication::instance()) {
        return;
    }
    static int argc = 3;
    static char name[] = "pmsect-cli";
    static char option[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {name, option, platform, nullptr};
    // The command line reports its own errors in one line; Qt's notes about the desktop
    // session it runs without (no runtime directory) are not for its user.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "pmsect-cli: %s\n", text.toLocal8Bit().constData());
        }
    });
    static const auto app = std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

std::optional<std::string> pdfDocument(const Document& document, PaperSize paper) {
    ensureApplication();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDotsPerInch);
        writer.setCreator("PMSECT " + QString::fromStdString(programVersion()));
        writer.setTitle(QString::fromStdString(document.header.empty() ? std::string()
                                                                       : document.header[0].left));
        const QPageSize size(paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter);
        writer.setPageLayout(
            QPageLayout(size, QPageLayout::Portrait,
                        QMarginsF(kMarginPoints, kMarginPoints, kMarginPoints, kMarginPoints),
                        QPageLayout::Point));
        PagedDeviceSink sink(writer, kPdfDotsPerInch,
                             fixedPitchFont(kReportFontName, kPagePointSize));
        if (!sink.begin()) {
            return std::nullopt;
        }
        printDocument(document, sink);
        sink.finish();
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace pmsect

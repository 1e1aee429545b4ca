#include "files/CutSheetFile.h"

#include "drawing/CutSheet.h"
#include "files/AtomicSave.h"
#include "files/FileMessages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <optional>

namespace {

enum class Format { Pdf, Svg, Png };

std::optional<Format> formatOf(const QString &fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"pdf")
        return Format::Pdf;
    if (suffix == u"svg")
        return Format::Svg;
    if (suffix == u"png")
        return Format::Png;
    return std::nullopt;
}

const QString title = QStringLiteral("CORVELUX");

bool writePdf(QIODevice &file, const CutSheetContent &content) {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(title);
    writer.setCreator(title);
    return paintCutSheet(writer, content);
}

bool writeSvg(QIODevice &file, const CutSheetContent &content) {
    // The A4 pages one above the other, in units of a tenth of a millimetre.
    const QRect page(0, 0, 2100, 2970 * cutSheetPages(content));
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(254);
    svg.setSize(page.size());
    svg.setViewBox(page);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    paintCutSheetPages(painter, page, content);
    return painter.end();
}

bool writePng(QIODevice &file, const CutSheetContent &content) {
    return cutSheetImage(content, cutSheetImageDpi).save(&file, "PNG");
}

// The whole file in memory, so that it reaches the disk in one checked write:
// the writers do not notice a write that stops short. Empty on failure.
QByteArray fileBytes(Format format, const CutSheetContent &content) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    switch (format) {
        case Format::Pdf:
            written = writePdf(buffer, content);
            break;
        case Format::Svg:
            written = writeSvg(buffer, content);
            break;
        case Format::Png:
            written = writePng(buffer, content);
            break;
    }
    return written ? buffer.data() : QByteArray();
}

}  // namespace

bool isCutSheetFileName(const QString &fileName) {
    return formatOf(fileName).has_value();
}

QString writeCutSheet(const QString &fileName, const CutSheetContent &content) {
    const std::optional<Format> format = formatOf(fileName);
    if (!format)
        return FileMessages::notACutSheetName(fileName);
    const QByteArray bytes = fileBytes(*format, content);
    if (bytes.isEmpty())
        return FileMessages::cannotSave(fileName);
    return saveAtomically(fileName, bytes);
}

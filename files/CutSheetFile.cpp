#include "files/CutSheetFile.h"

#include "drawing/CutSheet.h"
#include "files/AtomicSave.h"
#include "files/FileFormats.h"
#include "files/FileMessages.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

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

struct Format {
    QStringView extension;  // lower case, without the dot
    const char *caption;    // the save dialog's file type, untranslated
    bool (*write)(QIODevice &file, const CutSheetContent &content);
};

// PDF first: the save dialog selects it, and the name it suggests ends in it.
constexpr Format formats[] = {
    {u"pdf", QT_TRANSLATE_NOOP("CutSheetFile", "Documento PDF (*.pdf)"), writePdf},
    {u"svg", QT_TRANSLATE_NOOP("CutSheetFile", "Imagen SVG (*.svg)"), writeSvg},
    {u"png", QT_TRANSLATE_NOOP("CutSheetFile", "Imagen PNG (*.png)"), writePng},
};

// The whole file in memory, so that it reaches the disk in one checked write:
// the writers do not notice a write that stops short. Empty on failure.
QByteArray fileBytes(const Format &format, const CutSheetContent &content) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return format.write(buffer, content) ? buffer.data() : QByteArray();
}

}  // namespace

FileTypes cutSheetFileTypes() {
    return fileTypesOf("CutSheetFile", formats);
}

QString cutSheetExtensions() {
    return extensionsText(formats);
}

bool isCutSheetFileName(const QString &fileName) {
    return formatOfName(formats, fileName) != nullptr;
}

QString writeCutSheet(const QString &fileName, const CutSheetContent &content) {
    const Format *format = formatOfName(formats, fileName);
    if (!format)
        return FileMessages::notACutSheetName(fileName, cutSheetExtensions());
    const QByteArray bytes = fileBytes(*format, content);
    if (bytes.isEmpty())
        return FileMessages::cannotSave(fileName);
    return saveAtomically(fileName, bytes);
}

#include "drawing/CutSheet.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"
#include "drawing/CanvasFonts.h"
#include "drawing/CutDrawing.h"
#include "drawing/DeviceCanvas.h"
#include "drawing/MainCanvases.h"
#include "drawing/NoWaitPacer.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// The page in millimetres, from the paper's top-left corner.
constexpr QSizeF pageSize{210, 297};
constexpr qreal margin = 20;
constexpr qreal millimetresPerInch = 25.4;

// Both drawing areas are enlarged alike, so that Picture1 fills the width
// between the margins: 1.28 times their size on a 96 dpi screen.
constexpr qreal millimetresPerPixel = (pageSize.width() - 2 * margin) / picture1Interior.width();
// Lines as thin as on a technical drawing; frames and rules a little bolder.
constexpr qreal lineWidth = 0.25;
constexpr qreal frameWidth = 0.35;

constexpr QRectF areaAt(const QPointF &topLeft, const QSize &interior) {
    return {topLeft, QSizeF(interior) * millimetresPerPixel};
}

// Top to bottom: the title line and a rule, Picture1 and its caption, then
// Picture2 with its caption and, beside it, the values of the computation.
constexpr qreal titleBaseline = margin + 9;
constexpr qreal ruleY = titleBaseline + 4;
constexpr qreal captionBelow = 7;  // from a picture's bottom to its caption's baseline
constexpr QRectF picture1Area = areaAt({margin, ruleY + 6}, picture1Interior);
constexpr QRectF picture2Area =
    areaAt({margin, picture1Area.bottom() + captionBelow + 12}, picture2Interior);
constexpr QPointF valuesAt{picture2Area.right() + 12, picture2Area.top() + 5};
constexpr qreal valueLineSpacing = 9;

enum class Align { Left, Centre, Right };

// text on one line with its baseline at at.y(), starting at, centred on or
// ending at at.x(); font's point size counts on paper.
void drawText(QPainter &painter, const QFont &font, const QPointF &at, Align align,
              const QString &text) {
    const QFont sized = fontInUnits(font, millimetresPerInch, painter.device());
    const qreal width = QFontMetricsF(sized, painter.device()).horizontalAdvance(text);
    const qreal shift = align == Align::Left ? 0 : align == Align::Centre ? width / 2 : width;
    painter.setFont(sized);
    painter.drawText(QPointF(at.x() - shift, at.y()), text);
}

QFont boldArial(qreal pointSize) {
    QFont font = arialFont(pointSize);
    font.setBold(true);
    return font;
}

void drawCaption(QPainter &painter, const QRectF &area, const QString &caption) {
    drawText(painter, boldArial(11), QPointF(area.center().x(), area.bottom() + captionBelow),
             Align::Centre, caption);
}

void paintPictures(QPainter &painter, const CutSheetContent &content) {
    DeviceCanvas picture1(painter, picture1Interior, picture1Area);
    DeviceCanvas picture2(painter, picture2Interior, picture2Area);
    setUpPicture1(picture1);
    setUpPicture2(picture2);
    picture1.setLineWidth(lineWidth / millimetresPerPixel);
    picture2.setLineWidth(lineWidth / millimetresPerPixel);
    NoWaitPacer noWait;
    drawCut(picture1, picture2, content.D, content.cut, noWait);
}

// The values the cut was computed for, as read from the fields.
void paintValues(QPainter &painter, const CutSheetContent &content) {
    const QString period = QStringLiteral(".");
    const QStringList lines{
        QStringLiteral("IR = %1").arg(plainNumberText(content.cut.IR, period)),
        QStringLiteral("D = %1 mm").arg(plainNumberText(content.D, period)),
        QStringLiteral("épsilon = %1 º").arg(plainNumberText(degrees(content.cut.eps), period)),
    };
    QPointF at = valuesAt;
    drawText(painter, boldArial(11), at, Align::Left, QStringLiteral("DATOS"));
    for (const QString &line : lines) {
        at.ry() += valueLineSpacing;
        drawText(painter, arialFont(12), at, Align::Left, line);
    }
}

void paintPage(QPainter &painter, const CutSheetContent &content) {
    // The paper itself, for the formats whose background is transparent.
    painter.fillRect(QRectF(QPointF(0, 0), pageSize), Qt::white);
    paintPictures(painter, content);
    painter.setPen(QPen(Qt::black, frameWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture1Area);
    painter.drawRect(picture2Area);
    painter.drawLine(QPointF(margin, ruleY), QPointF(pageSize.width() - margin, ruleY));

    drawText(painter, boldArial(24), QPointF(margin, titleBaseline), Align::Left,
             QStringLiteral("CORVELUX"));
    const QString date = QLocale(QLocale::Spanish, QLocale::Spain)
                             .toString(content.date, QStringLiteral("d 'de' MMMM 'de' yyyy"));
    drawText(painter, arialFont(11), QPointF(pageSize.width() - margin, titleBaseline),
             Align::Right, date);
    drawCaption(painter, picture1Area, QStringLiteral("MEDIDAS y ÁNGULOS"));
    drawCaption(painter, picture2Area, QStringLiteral("REFLEXIÓN TOTAL"));
    paintValues(painter, content);
}

}  // namespace

void paintCutSheet(QPainter &painter, const QRectF &paper, const CutSheetContent &content) {
    painter.save();
    const qreal scale = qMin(paper.width() / pageSize.width(), paper.height() / pageSize.height());
    painter.translate(paper.center());
    painter.scale(scale, scale);
    painter.translate(-pageSize.width() / 2, -pageSize.height() / 2);
    paintPage(painter, content);
    painter.restore();
}

bool paintCutSheet(QPagedPaintDevice &device, const CutSheetContent &content) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    paintCutSheet(painter, QRectF(0, 0, device.width(), device.height()), content);
    return painter.end();
}

QImage cutSheetImage(const CutSheetContent &content, int dotsPerInch) {
    const QSize pixels = (pageSize * dotsPerInch / millimetresPerInch).toSize();
    // Black on white: one grey byte a pixel, a quarter of the memory and of the
    // work of compressing it.
    QImage image(pixels, QImage::Format_Grayscale8);
    if (image.isNull())
        return image;
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCutSheet(painter, image.rect(), content);
    return image;
}

#include "drawing/CutSheet.h"

#include "calc/Constants.h"
#include "calc/NumberText.h"
#include "drawing/CanvasFonts.h"
#include "drawing/CutDrawing.h"
#include "drawing/DeviceCanvas.h"
#include "drawing/MainCanvases.h"
#include "drawing/NoWaitPacer.h"
#include "drawing/RecipePage.h"
#include "drawing/SheetPaper.h"
#include "drawing/VerificationPage.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

using namespace sheet;

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(CutSheet)
};

// Both drawing areas are enlarged alike, so that Picture1 fills the width
// between the margins: 1.28 times their size on a 96 dpi screen.
constexpr qreal millimetresPerPixel = contentWidth / picture1Interior.width();

constexpr QRectF areaAt(const QPointF &topLeft, const QSize &interior) {
    return {topLeft, QSizeF(interior) * millimetresPerPixel};
}

// Top to bottom under the heading: Picture1 and its caption, then Picture2
// with its caption and, beside it, the values of the computation.
constexpr qreal captionBelow = 7;  // from a picture's bottom to its caption's baseline
constexpr QRectF picture1Area = areaAt({margin, ruleY + 6}, picture1Interior);
constexpr QRectF picture2Area =
    areaAt({margin, picture1Area.bottom() + captionBelow + 12}, picture2Interior);
constexpr QPointF valuesAt{picture2Area.right() + 12, picture2Area.top() + 5};
constexpr qreal valueLineSpacing = 9;

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
    drawCut(picture1, picture2, content.design.D, content.design.cut, noWait);
}

// The values the cut was computed for, as read from the fields.
void paintValues(QPainter &painter, const CutSheetContent &content) {
    const QString period = QStringLiteral(".");
    const stone::StoneDesign &design = content.design;
    const QStringList lines{
        Text::tr("IR = %1").arg(plainNumberText(design.cut.IR, period)),
        Text::tr("D = %1 mm").arg(plainNumberText(design.D, period)),
        Text::tr("épsilon = %1 º").arg(plainNumberText(degrees(design.cut.eps), period)),
    };
    QPointF at = valuesAt;
    drawText(painter, boldArial(11), at, Align::Left,
             Text::tr("DATOS", "the values a cut was computed for"));
    for (const QString &line : lines) {
        at.ry() += valueLineSpacing;
        drawText(painter, arialFont(12), at, Align::Left, line);
    }
}

void paintCutPage(QPainter &painter, const CutSheetContent &content) {
    paintPictures(painter, content);
    drawHeading(painter, content.date);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture1Area);
    painter.drawRect(picture2Area);
    drawCaption(painter, picture1Area, Text::tr("MEDIDAS y ÁNGULOS"));
    drawCaption(painter, picture2Area, Text::tr("REFLEXIÓN TOTAL"));
    paintValues(painter, content);
}

}  // namespace

int cutSheetPages(const CutSheetContent &content) {
    return content.verification ? 3 : 2;
}

void paintCutSheetPage(QPainter &painter, const QRectF &paper, const CutSheetContent &content,
                       int page) {
    painter.save();
    const qreal scale = qMin(paper.width() / pageSize.width(), paper.height() / pageSize.height());
    painter.translate(paper.center());
    painter.scale(scale, scale);
    painter.translate(-pageSize.width() / 2, -pageSize.height() / 2);
    // The paper itself, for the formats whose background is transparent.
    painter.fillRect(QRectF(QPointF(0, 0), pageSize), Qt::white);
    if (page == 0)
        paintCutPage(painter, content);
    else if (page == 1)
        paintRecipePage(painter, content);
    else
        paintVerificationPage(painter, content);
    painter.restore();
}

void paintCutSheetPages(QPainter &painter, const QRectF &paper, const CutSheetContent &content) {
    const int pages = cutSheetPages(content);
    const QSizeF pageArea(paper.width(), paper.height() / pages);
    for (int page = 0; page < pages; ++page) {
        const QPointF topLeft(paper.left(), paper.top() + page * pageArea.height());
        paintCutSheetPage(painter, QRectF(topLeft, pageArea), content, page);
    }
}

bool paintCutSheet(QPagedPaintDevice &device, const CutSheetContent &content, SheetPages pages) {
    QPageLayout layout = device.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    layout.setMode(QPageLayout::FullPageMode);
    device.setPageLayout(layout);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF paper(0, 0, device.width(), device.height());
    constexpr int recipePage = 1;
    const int first = pages == SheetPages::all ? 0 : recipePage;
    const int last = pages == SheetPages::all ? cutSheetPages(content) - 1 : recipePage;
    for (int page = first; page <= last; ++page) {
        if (page > first && !device.newPage())
            return false;
        paintCutSheetPage(painter, paper, content, page);
    }
    return painter.end();
}

QImage cutSheetImage(const CutSheetContent &content, int dotsPerInch) {
    const QSizeF paper(pageSize.width(), pageSize.height() * cutSheetPages(content));
    const QSize pixels = (paper * dotsPerInch / millimetresPerInch).toSize();
    // Black on white: one grey byte a pixel, a quarter of the memory and of the
    // work of compressing it; the light map needs its colours.
    QImage image(pixels, content.verification ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    if (image.isNull())
        return image;
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    paintCutSheetPages(painter, image.rect(), content);
    return image;
}

#include "drawing/VerificationPage.h"

#include "drawing/CanvasFonts.h"
#include "drawing/CutSheet.h"
#include "drawing/DeviceCanvas.h"
#include "drawing/SheetPaper.h"
#include "drawing/StonePictures.h"
#include "stone/CutFigures.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStringList>
#include <algorithm>

namespace {

using namespace sheet;

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(VerificationPage)
};

// The pictures' canvases have pixels of a 96 dpi screen, so that their text
// has the size its font says.
constexpr qreal pixelsPerMillimetre = 96 / millimetresPerInch;

// Top to bottom under the heading: the stone, its map and its colours, each
// with its caption; the tilt curves; the table.
constexpr qreal pictureSide = 54;
constexpr qreal pictureGap = (contentWidth - 3 * pictureSide) / 2;
constexpr QRectF stoneArea{margin, ruleY + 6, pictureSide, pictureSide};
constexpr QRectF mapArea{margin + pictureSide + pictureGap, ruleY + 6, pictureSide, pictureSide};
constexpr QRectF colourArea{margin + 2 * (pictureSide + pictureGap), ruleY + 6, pictureSide,
                            pictureSide};
constexpr qreal captionBelow = 6;
constexpr qreal choicesBaseline = stoneArea.bottom() + captionBelow + 6;
constexpr QRectF legendArea{margin, choicesBaseline + 2, contentWidth, 9};
constexpr QRectF curveArea{margin, legendArea.bottom() + 3, contentWidth, 70};
constexpr qreal tableTop = curveArea.bottom() + 12;
constexpr qreal nameWidth = 34;
constexpr qreal rowSpacing = 5.5;
constexpr qreal tableFontSize = 8;
// The least room between a column's texts and those of the one on its left.
constexpr qreal columnGap = 1.5;

// A view of the stone that shows crown and pavilion alike.
constexpr stone::Turn sheetTurn{11.25, 65};

template <typename Draw>
void paintPicture(QPainter &painter, const QRectF &area, Draw draw) {
    const QRectF interior(QPointF(), area.size() * pixelsPerMillimetre);
    DeviceCanvas canvas(painter, interior.size(), area);
    canvas.setTextFont(arialFont(9));
    canvas.setLineWidth(lineWidth * pixelsPerMillimetre);
    draw(canvas, interior);
}

void drawCaption(QPainter &painter, const QRectF &area, const QString &caption) {
    drawText(painter, boldArial(10), QPointF(area.center().x(), area.bottom() + captionBelow),
             Align::Centre, caption);
}

// A header with a word on each line, the last one just above the first row,
// so that the columns stay narrow.
void paintHeader(QPainter &painter, qreal right, const QString &title) {
    const QStringList words = title.split(u' ');
    const qreal lineSpacing = rowSpacing * 0.8;
    const qreal firstLine = tableTop - (words.size() - 2) * lineSpacing;
    for (qsizetype k = 0; k < words.size(); ++k)
        drawText(painter, boldArial(tableFontSize), QPointF(right, firstLine + k * lineSpacing),
                 Align::Right, words[k]);
}

// How wide a column's texts print, its header's words and its figures in
// bold, with the gap on their left.
qreal neededWidth(const QPainter &painter, const stone::FigureColumn &column,
                  const std::vector<stone::CutLight> &cuts) {
    QStringList texts = column.title.split(u' ');
    for (const stone::CutLight &cut : cuts)
        texts.append(percentText(column.share(cut)));
    qreal widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, textWidth(painter, boldArial(tableFontSize), text));
    return widest + columnGap;
}

void paintTable(QPainter &painter, const std::vector<stone::CutLight> &cuts) {
    const std::vector<stone::FigureColumn> columns = stone::figureColumns();
    std::vector<qreal> needed;
    for (const stone::FigureColumn &column : columns)
        needed.push_back(neededWidth(painter, column, cuts));
    const std::vector<qreal> widths = columnWidths(needed, contentWidth - nameWidth);
    const qreal firstRow = tableTop + rowSpacing * 2;
    for (std::size_t k = 0; k < cuts.size(); ++k)
        drawText(painter, arialFont(tableFontSize), QPointF(margin, firstRow + k * rowSpacing),
                 Align::Left, cuts[k].cut.name);
    qreal right = margin + nameWidth;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        right += widths[c];
        paintHeader(painter, right, columns[c].title);
        for (std::size_t k = 0; k < cuts.size(); ++k)
            drawText(painter,
                     showsBest(cuts, columns[c], k) ? boldArial(tableFontSize)
                                                    : arialFont(tableFontSize),
                     QPointF(right, firstRow + k * rowSpacing), Align::Right,
                     percentText(columns[c].share(cuts[k])));
    }
    // drawText sets its baseline there, a paragraph the top of its first line.
    const qreal noteTop = firstRow + (cuts.size() - 0.2) * rowSpacing;
    drawParagraph(painter, arialFont(tableFontSize),
                  QRectF(margin, noteTop, contentWidth, 3 * rowSpacing), bestValuesNote());
}

// What the computed cut leaves open, and the viewer's head: the recipe's
// page may have been cut with other choices.
void paintChoices(QPainter &painter, const stone::VerificationFigures &figures) {
    const stone::CutChoices &choices = figures.design.choices;
    const stone::Viewer &viewer = figures.design.viewer;
    const QString eye = viewer.eyeDistanceCm > 0 ? Text::tr("ojo a %1 cm").arg(viewer.eyeDistanceCm)
                                                 : Text::tr("ojo en el infinito");
    const QString line = Text::tr(
                             "Talla %1: filetín %2 % de D, estrellas %3 %, medias del pabellón "
                             "%4 %; dispersión %5; cabeza del observador %6º, %7.")
                             .arg(stone::cutKind(figures.design))
                             .arg(choices.girdlePercent)
                             .arg(choices.starPercent, 0, 'g', 3)
                             .arg(choices.lowerGirdlePercent, 0, 'g', 3)
                             .arg(figures.design.material.dispersion)
                             .arg(viewer.headDeg)
                             .arg(eye);
    drawText(painter, arialFont(9), QPointF(pageSize.width() / 2, choicesBaseline), Align::Centre,
             line);
}

// What the map's colours mean, wrapped across the page.
void paintLegend(QPainter &painter) {
    drawParagraph(painter, arialFont(8), legendArea, stone::lightMapLegend(), Qt::AlignHCenter);
}

}  // namespace

QString bestValuesNote() {
    return Text::tr(
        "En negrita, el mayor brillo inclinado, por el que se comparan las tallas: las cifras de "
        "frente pueden saltar varios puntos con un grado más o menos de cabeza del observador.");
}

QString percentText(double share) {
    return QStringLiteral("%1 %").arg(100 * share, 0, 'f', 1);
}

bool showsBest(const std::vector<stone::CutLight> &cuts, const stone::FigureColumn &column,
               std::size_t cut) {
    if (!column.ranks)
        return false;
    const auto shown = [&](std::size_t k) { return percentText(column.share(cuts[k])); };
    return shown(cut) == shown(stone::bestCut(cuts));
}

void paintVerificationPage(QPainter &painter, const CutSheetContent &content) {
    drawHeading(painter, content.date);
    if (!content.verification || content.verification->cuts.empty())
        return;
    const stone::VerificationFigures &figures = *content.verification;
    const stone::StoneView view = stone::viewStone(figures.stone, sheetTurn);
    paintPicture(painter, stoneArea, [&view](PainterCanvas &canvas, const QRectF &area) {
        drawStone(canvas, area, view);
    });
    paintPicture(painter, mapArea, [&figures](PainterCanvas &canvas, const QRectF &area) {
        drawLightMap(canvas, area, figures.faceUpMap);
    });
    paintPicture(painter, colourArea, [&figures](PainterCanvas &canvas, const QRectF &area) {
        drawColourView(canvas, area, figures.faceUpColour);
    });
    paintPicture(painter, curveArea, [&figures](PainterCanvas &canvas, const QRectF &area) {
        drawTiltCurves(canvas, area, figures.cuts);
    });
    drawCaption(painter, stoneArea, Text::tr("PIEDRA EN 3-D"));
    drawCaption(painter, mapArea, Text::tr("MAPA DE LUZ, DE FRENTE"));
    drawCaption(painter, colourArea, Text::tr("VISTA EN COLOR"));
    paintChoices(painter, figures);
    paintLegend(painter);
    paintTable(painter, figures.cuts);
}

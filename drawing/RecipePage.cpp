#include "drawing/RecipePage.h"

#include "drawing/CanvasFonts.h"
#include "drawing/CutSheet.h"
#include "drawing/DeviceCanvas.h"
#include "drawing/FacetDiagram.h"
#include "drawing/SheetPaper.h"
#include "stone/RecipeFigures.h"
#include "stone/RecipeText.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <numeric>

namespace {

using namespace sheet;

// Text::tr() translates in this file's context, which lupdate reads from
// the macro as well.
struct Text {
    Q_DECLARE_TR_FUNCTIONS(RecipePage)
};

// The diagram's canvas has pixels of a 96 dpi screen, so that its text has
// the size its font says.
constexpr qreal pixelsPerMillimetre = 96 / millimetresPerInch;

// Top to bottom under the heading: the two views with their captions and
// legends, the recipe, the choices it was cut with, and the figures.
constexpr QRectF diagramArea{margin, ruleY + 8, contentWidth, 80};
constexpr qreal diagramGap = 10;
constexpr qreal captionBelow = 7;
constexpr qreal legendSpacing = 5;
constexpr qreal recipeTitleY = diagramArea.bottom() + 40;
constexpr qreal rowSpacing = 6;
// A tier's further lines, each with only a cheater and its settings, close
// under the tier's first line.
constexpr qreal continuationSpacing = 4.5;
constexpr qreal columnGap = 4;
constexpr qreal tableFontSize = 9;

QFont codeFont() {
    return arialFont(8);
}

FacetDiagramLayout paintDiagram(QPainter &painter, const stone::Brilliant &stone) {
    const QRectF interior(QPointF(), diagramArea.size() * pixelsPerMillimetre);
    DeviceCanvas canvas(painter, interior.size(), diagramArea);
    canvas.setTextFont(codeFont());
    canvas.setLineWidth(lineWidth * pixelsPerMillimetre);
    const FacetDiagramLayout layout =
        facetDiagramSideBySide(interior, diagramGap * pixelsPerMillimetre, canvas);
    drawFacetDiagram(canvas, stone, layout);
    return layout;
}

// Each view's caption, and under it what its codes mean.
void paintViewTexts(QPainter &painter, const FacetDiagramLayout &layout) {
    const struct {
        QPointF centre;
        const char *caption;
        FacetView view;
    } views[] = {
        {layout.crownCentre, QT_TRANSLATE_NOOP("RecipePage", "CORONA, vista desde arriba"),
         FacetView::Crown},
        {layout.pavilionCentre, QT_TRANSLATE_NOOP("RecipePage", "PABELLÓN, vista desde abajo"),
         FacetView::Pavilion}};
    const qreal radius = layout.girdleRadius / pixelsPerMillimetre;
    for (const auto &v : views) {
        const QPointF centre = diagramArea.topLeft() + v.centre / pixelsPerMillimetre;
        QPointF at(centre.x(), centre.y() + radius + captionBelow);
        drawText(painter, boldArial(10), at, Align::Centre, Text::tr(v.caption));
        at.rx() -= radius;
        for (const QString &line : facetLegend(v.view)) {
            at.ry() += legendSpacing;
            drawText(painter, arialFont(9), at, Align::Left, line);
        }
    }
}

// Text set at the device's own size rather than enlarged with the page: a
// font a few device pixels high, scaled up, prints wider than it measures,
// and the recipe's columns must fit between the margins.
class DeviceText {
public:
    explicit DeviceText(QPainter &painter)
        : m_painter(painter), m_toDevice(painter.worldTransform()) {}

    // How wide text is in font, in millimetres.
    qreal width(const QFont &font, const QString &text) const {
        return metrics(font).horizontalAdvance(text) / m_toDevice.m11();
    }
    // text with its baseline's left end at at, in millimetres.
    void draw(const QFont &font, const QPointF &at, const QString &text) {
        m_painter.save();
        m_painter.resetTransform();
        m_painter.setFont(sized(font));
        m_painter.drawText(m_toDevice.map(at), text);
        m_painter.restore();
    }

private:
    QFont sized(const QFont &font) const {
        const qreal pixelsPerPoint = m_toDevice.m11() * millimetresPerInch / 72;
        QFont onDevice(font);
        onDevice.setPointSizeF(font.pointSizeF() * pixelsPerPoint * 72 /
                               m_painter.device()->logicalDpiY());
        return onDevice;
    }
    QFontMetricsF metrics(const QFont &font) const {
        return QFontMetricsF(sized(font), m_painter.device());
    }

    QPainter &m_painter;
    QTransform m_toDevice;
};

// The recipe's columns as wide as their widest text, in a font small enough
// for all of them to fit between the margins.
struct TableLayout {
    QFont font;
    QFont boldFont;
    QList<qreal> columnLefts;
};

TableLayout tableLayout(const DeviceText &text, const QList<QStringList> &table) {
    QList<qreal> widths(table.front().size(), 0);
    for (const QStringList &row : table) {
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], text.width(boldArial(tableFontSize), row[c]));
    }
    const qreal total = std::accumulate(widths.begin(), widths.end(), 0.0);
    const qreal room = contentWidth - columnGap * (widths.size() - 1);
    const qreal scale = std::min(1.0, room / total);
    TableLayout layout{arialFont(tableFontSize * scale), boldArial(tableFontSize * scale), {}};
    qreal left = margin;
    for (const qreal width : widths) {
        layout.columnLefts.append(left);
        left += width * scale + columnGap;
    }
    return layout;
}

qreal paintRecipe(QPainter &painter, const stone::Recipe &recipe) {
    drawText(painter, boldArial(11), QPointF(margin, recipeTitleY), Align::Left,
             Text::tr("RECETA DE TALLADO, rueda de índice de %1 dientes").arg(recipe.gear));
    const QList<QStringList> table = QList<QStringList>{recipeColumnTitles()} + recipeRows(recipe);
    DeviceText text(painter);
    const TableLayout layout = tableLayout(text, table);
    qreal y = recipeTitleY + 2;
    for (qsizetype r = 0; r < table.size(); ++r) {
        const bool continuesTier = table[r].front().isEmpty();
        y += continuesTier ? continuationSpacing : rowSpacing;
        for (qsizetype c = 0; c < table[r].size(); ++c) {
            text.draw(r == 0 ? layout.boldFont : layout.font, QPointF(layout.columnLefts[c], y),
                      table[r][c]);
        }
        if (r == 0) {
            painter.setPen(QPen(Qt::black, lineWidth));
            painter.drawLine(QPointF(margin, y + 1.5), QPointF(pageSize.width() - margin, y + 1.5));
        }
    }
    return y;
}

// The choices the stone was cut with, then its measures and weight in two
// columns.
void paintFigures(QPainter &painter, qreal top, const stone::StoneDesign &design,
                  const StoneRecipe &made) {
    const stone::CutChoices &choices = design.choices;
    QPointF at(margin, top + 10);
    drawText(painter, arialFont(9), at, Align::Left,
             Text::tr("Filetín: %1 % de D. Estrellas: %2 %. Medias del pabellón: %3 %.")
                 .arg(QString::number(choices.girdlePercent), QString::number(choices.starPercent),
                      QString::number(choices.lowerGirdlePercent)));
    at.ry() += 12;
    drawText(painter, boldArial(11), at, Align::Left, Text::tr("MEDIDAS Y PESO"));
    // Two columns of the lines that fit half the width, in order; below
    // them, across the page, those that do not, such as a long density.
    QStringList narrow, wide;
    const DeviceText text(painter);
    for (const stone::RecipeFigure &figure : stone::recipeFigures(design, made)) {
        const QString line = stone::figureLine(figure);
        const bool fits = text.width(arialFont(tableFontSize), line) < contentWidth / 2 - columnGap;
        (fits ? narrow : wide).append(line);
    }
    const qsizetype rows = (narrow.size() + 1) / 2;
    for (qsizetype k = 0; k < narrow.size(); ++k) {
        const qreal left = k < rows ? margin : margin + contentWidth / 2;
        drawText(painter, arialFont(tableFontSize),
                 QPointF(left, at.y() + rowSpacing * (1 + k % rows)), Align::Left, narrow[k]);
    }
    for (qsizetype k = 0; k < wide.size(); ++k)
        drawText(painter, arialFont(tableFontSize),
                 QPointF(margin, at.y() + rowSpacing * (1 + rows + k)), Align::Left, wide[k]);
}

// Under the recipe's title, in bold, the read-out's warning for a cut that
// lets light through its pavilion.
void paintWarning(QPainter &painter, const stone::StoneDesign &design) {
    const QString warning = stone::leakageWarning(design);
    if (!warning.isEmpty())
        drawText(painter, boldArial(tableFontSize), QPointF(margin, recipeTitleY - 6), Align::Left,
                 warning);
}

}  // namespace

void paintRecipePage(QPainter &painter, const CutSheetContent &content) {
    const std::optional<StoneRecipe> made = makeStoneRecipe(content.design);
    drawHeading(painter, content.date);
    painter.setPen(Qt::black);
    if (!made) {
        drawParagraph(painter, arialFont(tableFontSize), diagramArea,
                      stone::uncuttableMessage(content.design.cut.IR));
        return;
    }
    paintViewTexts(painter, paintDiagram(painter, made->stone));
    paintWarning(painter, content.design);
    const qreal tableBottom = paintRecipe(painter, made->recipe);
    paintFigures(painter, tableBottom, content.design, *made);
}

#include "drawing/SheetPaper.h"

#include "drawing/CanvasFonts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>

namespace sheet {

QFont boldArial(qreal pointSize) {
    QFont font = arialFont(pointSize);
    font.setBold(true);
    return font;
}

QFont paperFont(const QPainter &painter, const QFont &font) {
    return fontInUnits(font, millimetresPerInch, painter.device());
}

void drawText(QPainter &painter, const QFont &font, const QPointF &at, Align align,
              const QString &text) {
    const QFont sized = paperFont(painter, font);
    const qreal width = QFontMetricsF(sized, painter.device()).horizontalAdvance(text);
    const qreal shift = align == Align::Left ? 0 : align == Align::Centre ? width / 2 : width;
    painter.setFont(sized);
    painter.drawText(QPointF(at.x() - shift, at.y()), text);
}

void drawParagraph(QPainter &painter, const QFont &font, const QRectF &area, const QString &text,
                   Qt::Alignment horizontal) {
    painter.setFont(paperFont(painter, font));
    painter.drawText(area, horizontal | Qt::AlignTop | Qt::TextWordWrap, text);
}

void drawHeading(QPainter &painter, const QDate &date) {
    painter.setPen(QPen(Qt::black, frameWidth));
    painter.drawLine(QPointF(margin, ruleY), QPointF(pageSize.width() - margin, ruleY));
    drawText(painter, boldArial(24), QPointF(margin, titleBaseline), Align::Left,
             QStringLiteral("CORVELUX"));
    // The day as the program's language writes it, its month named in words.
    const QString day = QLocale().toString(
        date, QCoreApplication::translate("SheetPaper", "d 'de' MMMM 'de' yyyy",
                                          "the date on the cut sheet, as QLocale writes it"));
    drawText(painter, arialFont(11), QPointF(pageSize.width() - margin, titleBaseline),
             Align::Right, day);
}

}  // namespace sheet

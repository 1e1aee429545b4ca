#include "drawing/SheetPaper.h"

#include "drawing/CanvasFonts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <algorithm>

namespace sheet {

QFont boldArial(qreal pointSize) {
    QFont font = arialFont(pointSize);
    font.setBold(true);
    return font;
}

QFont paperFont(const QPainter &painter, const QFont &font) {
    return fontInUnits(font, millimetresPerInch, painter.device());
}

qreal textWidth(const QPainter &painter, const QFont &font, const QString &text) {
    return QFontMetricsF(paperFont(painter, font), painter.device()).horizontalAdvance(text);
}

void drawText(QPainter &painter, const QFont &font, const QPointF &at, Align align,
              const QString &text) {
    const QFont sized = paperFont(painter, font);
    const qreal width = textWidth(painter, font, text);
    const qreal shift = align == Align::Left ? 0 : align == Align::Centre ? width / 2 : width;
    painter.setFont(sized);
    painter.drawText(QPointF(at.x() - shift, at.y()), text);
}

namespace {

// What each column not marked wide gets of what the wide ones leave of total.
qreal equalShare(const std::vector<qreal> &needed, const std::vector<bool> &wide, qreal total) {
    std::size_t sharing = 0;
    for (std::size_t c = 0; c < needed.size(); ++c) {
        if (wide[c])
            total -= needed[c];
        else
            ++sharing;
    }
    return total / qreal(std::max<std::size_t>(sharing, 1));
}

}  // namespace

std::vector<qreal> columnWidths(const std::vector<qreal> &needed, qreal total) {
    std::vector<bool> wide(needed.size(), false);
    qreal share = equalShare(needed, wide, total);
    // Each column widened lowers the others' share, which may leave another short.
    for (bool widened = true; widened; share = equalShare(needed, wide, total)) {
        widened = false;
        for (std::size_t c = 0; c < needed.size(); ++c) {
            if (!wide[c] && needed[c] > share)
                wide[c] = widened = true;
        }
    }
    std::vector<qreal> widths;
    for (std::size_t c = 0; c < needed.size(); ++c)
        widths.push_back(wide[c] ? needed[c] : share);
    return widths;
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

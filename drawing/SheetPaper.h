#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QDate;
class QPainter;

// What the cut sheet's pages share: an A4 page measured in millimetres from
// the paper's top-left corner, its margins, line widths and fonts, its text
// and its heading.
namespace sheet {

inline constexpr QSizeF pageSize{210, 297};
inline constexpr qreal margin = 20;
inline constexpr qreal millimetresPerInch = 25.4;
inline constexpr qreal contentWidth = pageSize.width() - 2 * margin;

// Lines as thin as on a technical drawing; frames and rules a little bolder.
inline constexpr qreal lineWidth = 0.25;
inline constexpr qreal frameWidth = 0.35;

// The title line on every page, and the rule under it.
inline constexpr qreal titleBaseline = margin + 9;
inline constexpr qreal ruleY = titleBaseline + 4;

enum class Align { Left, Centre, Right };

QFont boldArial(qreal pointSize);

// The font to set on painter so that font's point size counts on paper.
QFont paperFont(const QPainter &painter, const QFont &font);

// How wide text prints on one line in font, in millimetres.
qreal textWidth(const QPainter &painter, const QFont &font, const QString &text);

// text on one line with its baseline at at.y(), starting at, centred on or
// ending at at.x(); font's point size counts on paper.
void drawText(QPainter &painter, const QFont &font, const QPointF &at, Align align,
              const QString &text);

// The widths of a table's columns, whose texts need the widths needed: equal
// shares of total, but for the columns that need more, which take what they
// need while the others share the rest.
std::vector<qreal> columnWidths(const std::vector<qreal> &needed, qreal total);

// text from the top-left corner of area, its lines broken between words to
// fit the area's width.
void drawParagraph(QPainter &painter, const QFont &font, const QRectF &area, const QString &text,
                   Qt::Alignment horizontal = Qt::AlignLeft);

// The title CORVELUX, the date in the program's language on the right, and
// the rule.
void drawHeading(QPainter &painter, const QDate &date);

}  // namespace sheet

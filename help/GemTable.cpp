#include "help/GemTable.h"

#include "calc/AngleChart.h"
#include "calc/Gems.h"

#include <QCoreApplication>

namespace {

// The column titles; the symbols and ratios read the same in every language.
constexpr const char *columnTitles[] = {QT_TRANSLATE_NOOP("GemTable", "Gema"),
                                        QT_TRANSLATE_NOOP("GemTable", "IR"),
                                        "ρ",
                                        QT_TRANSLATE_NOOP("GemTable", "i (º)"),
                                        QT_TRANSLATE_NOOP("GemTable", "alfa (º)"),
                                        "a/D",
                                        "b/D",
                                        "q/D",
                                        "n/D",
                                        "H/D"};

QString headerRow() {
    QStringList titles;
    for (const char *title : columnTitles)
        titles.append(QCoreApplication::translate("GemTable", title));
    return QStringLiteral("<tr><th>") + titles.join(QStringLiteral("</th><th>")) +
           QStringLiteral("</th></tr>\n");
}

QString rowAnchor(qsizetype row) {
    return QStringLiteral("gema%1").arg(row + 1);
}

QString numberCell(double value, int decimals) {
    return QStringLiteral("<td class=\"sin-corte\" align=\"right\">%1</td>")
        .arg(value, 0, 'f', decimals);
}

QString resultCells(const ComputePlan &plan) {
    if (!plan.succeeded()) {
        return QStringLiteral("<td colspan=\"%1\">%2</td>")
            .arg(QString::number(chartValueCount), plan.message.toHtmlEscaped());
    }
    constexpr int angleDecimals = 2;
    constexpr int ratioDecimals = 3;
    const QList<double> values = chartValues(plan.cut);
    QString cells;
    for (qsizetype k = 0; k < values.size(); ++k)
        cells += numberCell(values[k], k < chartAngleCount ? angleDecimals : ratioDecimals);
    return cells;
}

}  // namespace

QString gemTableHtml() {
    const QList<ChartRow> rows = gemChart(QStringLiteral("0"));
    const QList<Gem> &gems = commonGems();  // in the chart's order
    QString html = QStringLiteral("<table class=\"gemas\">\n") + headerRow();
    for (qsizetype row = 0; row < rows.size(); ++row) {
        html += QStringLiteral("<tr><td><a name=\"%1\"></a>%2</td><td>%3</td>%4%5</tr>\n")
                    .arg(rowAnchor(row), rows[row].gem.toHtmlEscaped(), rows[row].ir,
                         numberCell(gems[row].density, 2), resultCells(rows[row].plan));
    }
    return html + QStringLiteral("</table>\n");
}

QList<HelpEntry> gemIndexEntries(const QUrl &page) {
    QList<HelpEntry> entries;
    const QList<Gem> &gems = commonGems();
    for (qsizetype row = 0; row < gems.size(); ++row) {
        QUrl target = page;
        target.setFragment(rowAnchor(row));
        entries.append({gems[row].name(), target});
    }
    return entries;
}

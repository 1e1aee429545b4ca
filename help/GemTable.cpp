#include "help/GemTable.h"

#include "calc/AngleChart.h"
#include "calc/Gems.h"
#include "calc/ResultLines.h"

#include <QCoreApplication>

namespace {

QString rowAnchor(qsizetype row) {
    return QStringLiteral("gema%1").arg(row + 1);
}

// "alfa (º)": a column of angles, named as the read-out names them.
QString angleTitle(Result angle) {
    return QStringLiteral("%1 (%2)").arg(resultSymbol(angle), degreeSign());
}

// "a/D": a column of lengths in diameters.
QString ratioTitle(Result length) {
    return resultSymbol(length) + u'/' + resultSymbol(Result::D);
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
    const QStringList titles{QCoreApplication::translate("GemTable", "Gema"),
                             irSymbol(),
                             QStringLiteral("ρ"),
                             angleTitle(Result::i),
                             angleTitle(Result::alfa),
                             ratioTitle(Result::a),
                             ratioTitle(Result::b),
                             ratioTitle(Result::q),
                             ratioTitle(Result::n),
                             ratioTitle(Result::H)};
    QString html = QStringLiteral("<table class=\"gemas\">\n<tr><th>") +
                   titles.join(QStringLiteral("</th><th>")) + QStringLiteral("</th></tr>\n");
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

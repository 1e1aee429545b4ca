#include "help/GemTable.h"

#include "calc/AngleChart.h"
#include "calc/Constants.h"
#include "calc/Gems.h"

namespace {

QString rowAnchor(qsizetype row) {
    return QStringLiteral("gema%1").arg(row + 1);
}

QString numberCell(double value, int decimals) {
    return QStringLiteral("<td class=\"sin-corte\" align=\"right\">%1</td>").arg(value, 0, 'f', decimals);
}

QString resultCells(const ComputePlan &plan) {
    if (!plan.succeeded())
        return QStringLiteral("<td colspan=\"7\">%1</td>").arg(plan.message.toHtmlEscaped());
    const CutResult &cut = plan.cut;
    constexpr int angleDecimals = 2;
    constexpr int ratioDecimals = 3;
    return numberCell(degrees(cut.i), angleDecimals) +
           numberCell(degrees(cut.alfa), angleDecimals) + numberCell(cut.aRatio, ratioDecimals) +
           numberCell(cut.bRatio, ratioDecimals) + numberCell(cut.qRatio, ratioDecimals) +
           numberCell(cut.nRatio, ratioDecimals) +
           numberCell(cut.nRatio + cut.qRatio, ratioDecimals);
}

}  // namespace

QString gemTableHtml() {
    const QList<ChartRow> rows = gemChart(QStringLiteral("0"));
    QString html = QStringLiteral(
        "<table class=\"gemas\">\n<tr><th>Gema</th><th>IR</th><th>i (º)</th><th>alfa (º)</th><th>a/D</th>"
        "<th>b/D</th><th>q/D</th><th>n/D</th><th>H/D</th></tr>\n");
    for (qsizetype row = 0; row < rows.size(); ++row) {
        html += QStringLiteral("<tr><td><a name=\"%1\"></a>%2</td><td>%3</td>%4</tr>\n")
                    .arg(rowAnchor(row), rows[row].gem.toHtmlEscaped(), rows[row].ir,
                         resultCells(rows[row].plan));
    }
    return html + QStringLiteral("</table>\n");
}

QList<HelpEntry> gemIndexEntries(const QUrl &page) {
    QList<HelpEntry> entries;
    const QList<Gem> &gems = commonGems();
    for (qsizetype row = 0; row < gems.size(); ++row) {
        QUrl target = page;
        target.setFragment(rowAnchor(row));
        entries.append({gems[row].name, target});
    }
    return entries;
}

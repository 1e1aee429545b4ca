#include "windows/ComparisonTable.h"

#include "drawing/StonePictures.h"
#include "drawing/VerificationPage.h"
#include "stone/CutFigures.h"

#include <QCoreApplication>
#include <QHeaderView>

namespace comparisonTable {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(ComparisonTable)
};

QTableWidgetItem *figureItem(double share, bool best) {
    auto *item = new QTableWidgetItem(percentText(share));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (best) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        // What the bold face shows, said to a screen reader.
        item->setData(Qt::AccessibleTextRole, Text::tr("%1, el mejor").arg(percentText(share)));
    }
    return item;
}

}  // namespace

void setUpColumns(QTableWidget &table) {
    QStringList titles{Text::tr("Talla")};
    for (const stone::FigureColumn &column : stone::figureColumns())
        titles.append(QString(column.title).replace(u' ', u'\n'));
    table.setColumnCount(int(titles.size()));
    table.setHorizontalHeaderLabels(titles);
    table.horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

void fill(QTableWidget &table, const std::vector<stone::CutLight> &cuts) {
    table.setRowCount(int(cuts.size()));
    const std::vector<stone::FigureColumn> columns = stone::figureColumns();
    for (int row = 0; row < int(cuts.size()); ++row) {
        auto *name = new QTableWidgetItem(cuts[row].cut.name);
        name->setForeground(curveColour(row));
        table.setItem(row, 0, name);
        for (int column = 0; column < int(columns.size()); ++column)
            table.setItem(row, column + 1,
                          figureItem(columns[column].share(cuts[row]),
                                     showsBest(cuts, columns[column], std::size_t(row))));
    }
}

}  // namespace comparisonTable

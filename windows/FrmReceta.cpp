#include "windows/FrmReceta.h"

#include "drawing/FacetDiagram.h"
#include "stone/StoneRecipe.h"
#include "stone/Recipe.h"
#include "ui_FrmReceta.h"
#include "windows/CutChoiceFields.h"
#include "windows/Fonts.h"

#include <QHeaderView>
#include <QSignalBlocker>

FrmReceta::FrmReceta(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FrmReceta>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    useDecimalPoint(*this);
    for (const int teeth : stone::indexGears())
        m_ui->comboRueda->addItem(QStringLiteral("%1 dientes").arg(teeth), teeth);
    m_ui->LabelLeyendaCorona->setText(facetLegend(FacetView::Crown).join(u'\n'));
    m_ui->LabelLeyendaPabellon->setText(facetLegend(FacetView::Pavilion).join(u'\n'));
    const QStringList titles = recipeColumnTitles();
    m_ui->tablaReceta->setColumnCount(int(titles.size()));
    m_ui->tablaReceta->setHorizontalHeaderLabels(titles);
    // Columns as wide as their texts, whatever the recipe; the last takes the rest.
    m_ui->tablaReceta->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->tablaReceta->horizontalHeader()->setStretchLastSection(true);
    setChoices({}, RecipeSettings().gear);
    connectFields();
}

FrmReceta::~FrmReceta() = default;

void FrmReceta::connectFields() {
    const auto changed = [this] { emit cutChoicesChanged(); };
    for (QDoubleSpinBox *field : {m_ui->spinFiletin, m_ui->spinEstrella, m_ui->spinPabellon})
        connect(field, &QDoubleSpinBox::valueChanged, this, changed);
    connect(m_ui->comboRueda, &QComboBox::currentIndexChanged, this, changed);
    connect(m_ui->spinDensidad, &QDoubleSpinBox::valueChanged, this, &FrmReceta::densityChanged);
}

CutChoiceFields FrmReceta::choiceFields() const {
    return {m_ui->spinFiletin, m_ui->spinEstrella, m_ui->spinPabellon};
}

stone::CutChoices FrmReceta::cutChoices() const {
    return choiceFields().choices();
}

int FrmReceta::gear() const {
    return m_ui->comboRueda->currentData().toInt();
}

double FrmReceta::density() const {
    return m_ui->spinDensidad->value();
}

void FrmReceta::setChoices(const stone::CutChoices &choices, int gear) {
    choiceFields().show(choices);
    const QSignalBlocker blocker(m_ui->comboRueda);
    m_ui->comboRueda->setCurrentIndex(m_ui->comboRueda->findData(gear));
}

void FrmReceta::showStone(const StoneRecipe &made) {
    {
        const QSignalBlocker blocker(m_ui->spinDensidad);
        m_ui->spinDensidad->setValue(made.density);
    }
    m_ui->diagrama->showStone(made.stone);
    m_ui->LabelFiguras->setText(recipeFigureLines(made).join(u'\n'));
    showRecipe(made);
}

void FrmReceta::showNoStone(const QString &message) {
    m_ui->diagrama->clear();
    m_ui->LabelFiguras->setText(message);
    m_ui->tablaReceta->setRowCount(0);
}

void FrmReceta::showRecipe(const StoneRecipe &made) {
    const QList<QStringList> rows = recipeRows(made.recipe);
    QTableWidget &table = *m_ui->tablaReceta;
    table.setRowCount(int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            table.setItem(r, c, new QTableWidgetItem(rows[r][c]));
    }
    table.resizeRowsToContents();
    // Every row in sight: the diagram takes whatever height is left.
    table.setFixedHeight(table.horizontalHeader()->height() + table.verticalHeader()->length() +
                         2 * table.frameWidth());
}

#include "windows/FrmReceta.h"

#include "calc/Gems.h"
#include "drawing/FacetDiagram.h"
#include "stone/RecipeFigures.h"
#include "stone/StoneRecipe.h"
#include "ui_FrmReceta.h"
#include "windows/DesignFields.h"
#include "windows/Fonts.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QSignalBlocker>

using stone::DesignValue;

FrmReceta::FrmReceta(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FrmReceta>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    m_fields = new DesignFields(*m_ui->LabelProblemas, this);
    m_fields->add(DesignValue::girdle, *m_ui->campoFiletin, 0.5);
    m_fields->add(DesignValue::starLength, *m_ui->campoEstrella, 5);
    m_fields->add(DesignValue::lowerHalfLength, *m_ui->campoPabellon, 5);
    m_fields->add(DesignValue::density, *m_ui->campoDensidad, 0.01);
    fillLists();
    m_ui->LabelLeyendaCorona->setText(facetLegend(FacetView::Crown).join(u'\n'));
    m_ui->LabelLeyendaPabellon->setText(facetLegend(FacetView::Pavilion).join(u'\n'));
    const QStringList titles = recipeColumnTitles();
    m_ui->tablaReceta->setColumnCount(int(titles.size()));
    m_ui->tablaReceta->setHorizontalHeaderLabels(titles);
    // Columns as wide as their texts, whatever the recipe; the last takes the rest.
    m_ui->tablaReceta->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_ui->tablaReceta->horizontalHeader()->setStretchLastSection(true);
    connectControls();
}

FrmReceta::~FrmReceta() = default;

void FrmReceta::fillLists() {
    for (const int teeth : stone::indexGears())
        m_ui->comboRueda->addItem(tr("%1 dientes").arg(teeth), teeth);
    for (const Gem &gem : commonGems())
        m_ui->comboGema->addItem(gem.name());
    m_ui->comboGema->addItem(tr("Otra: la densidad indicada"));
}

void FrmReceta::connectControls() {
    const Ui::FrmReceta &ui = *m_ui;
    connect(m_fields, &DesignFields::valueEdited, this, &FrmReceta::valueEdited);
    connect(ui.comboRueda, &QComboBox::activated, this,
            [this](int item) { emit gearChosen(m_ui->comboRueda->itemData(item).toInt()); });
    connect(ui.comboGema, &QComboBox::activated, this, &FrmReceta::chooseGem);
    connect(ui.botonImprimir, &QPushButton::clicked, this, &FrmReceta::printRequested);
    connect(ui.botonGuardar, &QPushButton::clicked, this, &FrmReceta::saveRequested);
    connect(ui.botonCopiar, &QPushButton::clicked, this, &FrmReceta::copyRequested);
}

void FrmReceta::chooseGem(int item) {
    if (item < commonGems().size())
        emit gemChosen(item);
    else
        emit valueEdited(DesignValue::density, m_shownDensity);
}

void FrmReceta::keyPressEvent(QKeyEvent *event) {
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void FrmReceta::showDesign(const stone::StoneDesign &design) {
    m_fields->show(design);
    m_shownDensity = design.material.density;
    m_ui->comboRueda->setCurrentIndex(m_ui->comboRueda->findData(design.gear));
    const bool ownDensity = design.material.source == stone::Material::Source::ownDensity;
    m_ui->comboGema->setCurrentIndex(ownDensity ? int(commonGems().size())
                                                : int(design.material.gem));
    m_ui->LabelAviso->setText(stone::leakageWarning(design));
    m_ui->LabelOpciones->setText(tr("TALLA %1").arg(stone::cutKind(design).toUpper()));
}

void FrmReceta::showStone(const stone::StoneDesign &design, const StoneRecipe &made) {
    showDesign(design);
    setOutputsEnabled(true);
    m_ui->diagrama->showStone(made.stone);
    QStringList figures;
    for (const stone::RecipeFigure &figure : stone::recipeFigures(design, made))
        figures.append(stone::figureLine(figure));
    m_ui->LabelFiguras->setText(figures.join(u'\n'));
    showRecipe(made);
}

void FrmReceta::showNoStone(const stone::StoneDesign &design, const QString &reason) {
    showDesign(design);
    setOutputsEnabled(false);
    m_ui->diagrama->clear();
    m_ui->LabelFiguras->setText(reason);
    m_ui->tablaReceta->setRowCount(0);
}

void FrmReceta::setOutputsEnabled(bool enabled) {
    for (QPushButton *button : {m_ui->botonImprimir, m_ui->botonGuardar, m_ui->botonCopiar})
        button->setEnabled(enabled);
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

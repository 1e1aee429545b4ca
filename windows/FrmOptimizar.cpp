#include "windows/FrmOptimizar.h"

#include "calc/NumberText.h"
#include "drawing/StonePictures.h"
#include "drawing/VerificationPage.h"
#include "stone/CutFigures.h"
#include "stone/LimitText.h"
#include "stone/ObjectiveNames.h"
#include "stone/StoneView.h"
#include "ui_FrmOptimizar.h"
#include "windows/ComparisonTable.h"
#include "windows/FieldProblems.h"
#include "windows/Fonts.h"

#include <QKeyEvent>

using stone::SearchBounds;

FrmOptimizar::FrmOptimizar(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FrmOptimizar>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    setUpFields();
    m_ui->comboObjetivo->addItems(stone::objectiveCaptions());
    comparisonTable::setUpColumns(*m_ui->tablaComparacion);
    m_ui->LabelMejor->setText(bestValuesNote());
    for (QWidget *searching :
         std::initializer_list<QWidget *>{m_ui->progreso, m_ui->botonCancelar}) {
        QSizePolicy policy = searching->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        searching->setSizePolicy(policy);
    }
    clearResult();
    showFinished(QString());
    connectControls();
}

FrmOptimizar::~FrmOptimizar() = default;

std::vector<FrmOptimizar::RangeFields> FrmOptimizar::rangeFields() const {
    const Ui::FrmOptimizar &ui = *m_ui;
    return {{ui.campoMesaMin, ui.campoMesaMax, &SearchBounds::table},
            {ui.campoCoronaMin, ui.campoCoronaMax, &SearchBounds::crown},
            {ui.campoPabellonMin, ui.campoPabellonMax, &SearchBounds::pavilion},
            {ui.campoEstrellaMin, ui.campoEstrellaMax, &SearchBounds::star},
            {ui.campoMediasMin, ui.campoMediasMax, &SearchBounds::lowerHalf}};
}

// Each field starts on the search's own bounds, within which it takes a
// narrower one; the depth and the retention limit nothing while empty.
void FrmOptimizar::setUpFields() {
    auto *problems = new FieldProblems(*m_ui->LabelProblemas, this);
    for (const RangeFields &fields : rangeFields()) {
        const stone::ValueRange limits = m_bounds.*fields.range;
        for (NumberField *field : {fields.low, fields.high}) {
            field->setLimits(limits, 1);
            field->setToolTip(tr("%1, %2").arg(field->toolTip(), stone::rangeText(limits)));
            problems->watch(*field);
        }
        fields.low->showValue(limits.low);
        fields.high->showValue(limits.high);
        connect(fields.low, &NumberField::valueEdited, this,
                [this, range = fields.range](double value) { (m_bounds.*range).low = value; });
        connect(fields.high, &NumberField::valueEdited, this,
                [this, range = fields.range](double value) { (m_bounds.*range).high = value; });
    }
    const struct {
        NumberField *field;
        stone::ValueRange limits;
        double SearchBounds::*limit;
    } optional[] = {
        {m_ui->campoProfundidad, stone::maxDepthLimits, &SearchBounds::maxDepthPercent},
        {m_ui->campoRetencion, stone::minRetentionLimits, &SearchBounds::minRetentionPercent}};
    for (const auto &[field, limits, limit] : optional) {
        field->setLimits(limits, 1);
        field->setOptional(true);
        field->setToolTip(tr("%1, %2").arg(field->toolTip(), stone::rangeText(limits)));
        field->showValue(0);
        problems->watch(*field);
        connect(field, &NumberField::valueEdited, this,
                [this, limit = limit](double value) { m_bounds.*limit = value; });
    }
    m_problems = problems;
}

void FrmOptimizar::connectControls() {
    const Ui::FrmOptimizar &ui = *m_ui;
    connect(ui.comboObjetivo, &QComboBox::activated, this,
            [this](int item) { m_objective = stone::objectiveAt(item); });
    connect(ui.botonBuscar, &QPushButton::clicked, this, &FrmOptimizar::requestSearch);
    connect(ui.botonCancelar, &QPushButton::clicked, this, &FrmOptimizar::cancelRequested);
    connect(ui.botonUsar, &QPushButton::clicked, this, &FrmOptimizar::useRequested);
}

void FrmOptimizar::requestSearch() {
    if (!m_problems->allTaken()) {
        m_problems->showOwn(tr("Corrija los campos marcados antes de buscar."));
        return;
    }
    for (const RangeFields &fields : rangeFields()) {
        const stone::ValueRange &range = m_bounds.*fields.range;
        if (range.low > range.high) {
            m_problems->showOwn(
                tr("En «%1», el mínimo es mayor que el máximo.").arg(fieldName(*fields.low)));
            return;
        }
    }
    m_problems->showOwn({});
    emit searchRequested(m_bounds, m_objective);
}

void FrmOptimizar::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Escape)
        QWidget::keyPressEvent(event);
    else if (!m_ui->botonCancelar->isHidden())
        emit cancelRequested();
    else
        close();
}

void FrmOptimizar::showDesign(const stone::StoneDesign &design) {
    const stone::Proportions cut = stone::proportionsOf(design.cut);
    m_ui->LabelMaterial->setText(
        tr("IR %1, filetín %2 % de D. La búsqueda parte de la talla calculada (mesa %3 %, "
           "corona %4º, pabellón %5º) y de las clásicas.")
            .arg(plainNumberText(design.material.refractiveIndex, QStringLiteral(".")))
            .arg(design.choices.girdlePercent)
            .arg(100 * cut.table, 0, 'f', 1)
            .arg(cut.crownDeg, 0, 'f', 2)
            .arg(cut.pavilionDeg, 0, 'f', 2));
}

void FrmOptimizar::setSearching(bool searching) {
    m_ui->progreso->setVisible(searching);
    m_ui->botonCancelar->setVisible(searching);
    m_ui->botonBuscar->setEnabled(!searching);
}

void FrmOptimizar::showSearch(int percent, const std::vector<stone::SearchStep> &steps) {
    setSearching(true);
    m_ui->progreso->setValue(percent);
    m_ui->LabelEstado->setText(tr("Buscando la talla más brillante…"));
    m_ui->curvaBusqueda->setPicture([steps](PainterCanvas &canvas, const QRectF &area) {
        drawSearchCurve(canvas, area, steps);
    });
}

void FrmOptimizar::showResult(const stone::SearchResult &result, const stone::Brilliant &stone,
                              const stone::LightMap &map) {
    setSearching(false);
    std::vector<stone::CutLight> cuts{result.light};
    cuts.insert(cuts.end(), result.startPoints.begin(), result.startPoints.end());
    fillTable(cuts);
    m_ui->vistaPiedra->showStone(stone);
    m_ui->mapaLuz->setPicture(
        [map](PainterCanvas &canvas, const QRectF &area) { drawLightMap(canvas, area, map); });
    m_ui->botonUsar->setEnabled(true);
    const stone::Proportions &best = result.best.proportions;
    m_ui->LabelEstado->setText(
        tr("%L1 tallas trazadas. La mejor: mesa %2 %, corona %3º, pabellón %4º, estrellas %5 %, "
           "medias del pabellón %6 %; conserva el %7 % del peso de la calculada.")
            .arg(result.evaluations)
            .arg(100 * best.table, 0, 'f', 1)
            .arg(best.crownDeg, 0, 'f', 2)
            .arg(best.pavilionDeg, 0, 'f', 2)
            .arg(result.best.choices.starPercent, 0, 'f', 1)
            .arg(result.best.choices.lowerGirdlePercent, 0, 'f', 1)
            .arg(result.retentionPercent, 0, 'f', 1));
}

void FrmOptimizar::showFinished(const QString &status) {
    setSearching(false);
    m_ui->LabelEstado->setText(status);
}

void FrmOptimizar::clearResult() {
    m_ui->tablaComparacion->setRowCount(0);
    m_ui->vistaPiedra->clearStone();
    m_ui->mapaLuz->setPicture({});
    m_ui->curvaBusqueda->setPicture({});
    m_ui->botonUsar->setEnabled(false);
}

void FrmOptimizar::fillTable(const std::vector<stone::CutLight> &cuts) {
    comparisonTable::fill(*m_ui->tablaComparacion, cuts);
}

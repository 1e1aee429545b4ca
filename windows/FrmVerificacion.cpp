#include "windows/FrmVerificacion.h"

#include "calc/Gems.h"
#include "calc/NumberText.h"
#include "drawing/StonePictures.h"
#include "drawing/VerificationPage.h"
#include "stone/CutFigures.h"
#include "ui_FrmVerificacion.h"
#include "windows/ComparisonTable.h"
#include "windows/DesignFields.h"
#include "windows/Fonts.h"

#include <QKeyEvent>

using stone::DesignValue;

namespace {

// "Diamante, IR 2.419", or the IR alone for a material of the cutter's own.
QString materialText(const stone::Material &material) {
    const QString ir = plainNumberText(material.refractiveIndex, QStringLiteral("."));
    if (material.source == stone::Material::Source::ownDensity)
        return FrmVerificacion::tr("IR %1").arg(ir);
    return FrmVerificacion::tr("%1, IR %2").arg(commonGems().at(material.gem).name(), ir);
}

}  // namespace

FrmVerificacion::FrmVerificacion(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FrmVerificacion>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    m_fields = new DesignFields(*m_ui->LabelProblemas, this);
    m_fields->add(DesignValue::girdle, *m_ui->campoFiletin, 0.5);
    m_fields->add(DesignValue::starLength, *m_ui->campoEstrella, 5);
    m_fields->add(DesignValue::lowerHalfLength, *m_ui->campoPabellon, 5);
    m_fields->add(DesignValue::headCone, *m_ui->campoCabeza, 1);
    m_fields->add(DesignValue::eyeDistance, *m_ui->campoDistancia, 5);
    m_fields->add(DesignValue::dispersion, *m_ui->campoDispersion, 0.001);
    m_ui->LabelLeyenda->setText(stone::lightMapLegend());
    comparisonTable::setUpColumns(*m_ui->tablaComparacion);
    // The progress bar and its button keep their room while hidden, so that
    // the pictures do not jump at each trace.
    for (QWidget *tracing : std::initializer_list<QWidget *>{m_ui->progreso, m_ui->botonCancelar}) {
        QSizePolicy policy = tracing->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        tracing->setSizePolicy(policy);
    }
    setComparisonCurrent(true);
    showFinished(QString());
    connectControls();
}

FrmVerificacion::~FrmVerificacion() = default;

void FrmVerificacion::connectControls() {
    const Ui::FrmVerificacion &ui = *m_ui;
    connect(m_fields, &DesignFields::valueEdited, this, &FrmVerificacion::valueEdited);
    connect(ui.sliderInclinacion, &QSlider::valueChanged, this, [this](int degrees) {
        m_ui->LabelInclinacion->setText(tr("&Inclinación: %1º").arg(degrees));
        emit tiltChanged(degrees);
    });
    connect(ui.botonCancelar, &QPushButton::clicked, this, &FrmVerificacion::cancelRequested);
}

void FrmVerificacion::keyPressEvent(QKeyEvent *event) {
    if (event->key() != Qt::Key_Escape)
        QWidget::keyPressEvent(event);
    else if (isTracing())
        emit cancelRequested();
    else
        close();
}

bool FrmVerificacion::isTracing() const {
    return !m_ui->botonCancelar->isHidden();
}

void FrmVerificacion::showDesign(const stone::StoneDesign &design) {
    m_fields->show(design);
    m_ui->LabelMaterial->setText(materialText(design.material));
    m_ui->LabelOpciones->setText(tr("TALLA %1").arg(stone::cutKind(design).toUpper()));
}

void FrmVerificacion::showStone(const stone::Brilliant &stone) {
    m_ui->vistaPiedra->showStone(stone);
}

void FrmVerificacion::showLightMap(const stone::LightMap &map) {
    m_ui->mapaLuz->setPicture(
        [map](PainterCanvas &canvas, const QRectF &area) { drawLightMap(canvas, area, map); });
}

void FrmVerificacion::showColourView(const stone::ColourView &view) {
    m_ui->vistaColor->setPicture(
        [view](PainterCanvas &canvas, const QRectF &area) { drawColourView(canvas, area, view); });
}

void FrmVerificacion::showComparison(const std::vector<stone::CutLight> &cuts) {
    m_ui->curvaInclinacion->setPicture(
        [cuts](PainterCanvas &canvas, const QRectF &area) { drawTiltCurves(canvas, area, cuts); });
    fillTable(cuts);
    setComparisonCurrent(true);
}

void FrmVerificacion::showComparisonOutdated() {
    setComparisonCurrent(false);
}

void FrmVerificacion::setComparisonCurrent(bool current) {
    // Disabled, the curves and the table are drawn greyed.
    m_ui->curvaInclinacion->setEnabled(current);
    m_ui->tablaComparacion->setEnabled(current);
    m_ui->LabelMejor->setText(current ? bestValuesNote()
                                      : tr("Cifras de la elección anterior, en gris hasta que "
                                           "se tracen las de esta."));
}

void FrmVerificacion::fillTable(const std::vector<stone::CutLight> &cuts) {
    comparisonTable::fill(*m_ui->tablaComparacion, cuts);
}

void FrmVerificacion::showProgress(int percent) {
    m_ui->progreso->setValue(percent);
    m_ui->progreso->show();
    m_ui->botonCancelar->show();
    m_ui->LabelEstado->setText(tr("Trazando rayos…"));
}

void FrmVerificacion::showFinished(const QString &status) {
    m_ui->progreso->hide();
    m_ui->botonCancelar->hide();
    m_ui->LabelEstado->setText(status);
}

void FrmVerificacion::showNoStone(const QString &reason) {
    m_ui->vistaPiedra->clearStone();
    m_ui->mapaLuz->setPicture({});
    m_ui->vistaColor->setPicture({});
    m_ui->curvaInclinacion->setPicture({});
    m_ui->tablaComparacion->setRowCount(0);
    setComparisonCurrent(true);
    showFinished(reason);
}

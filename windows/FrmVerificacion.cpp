#include "windows/FrmVerificacion.h"

#include "drawing/StonePictures.h"
#include "drawing/VerificationPage.h"
#include "stone/CutFigures.h"
#include "ui_FrmVerificacion.h"
#include "windows/CutChoiceFields.h"
#include "windows/Fonts.h"

#include <QHeaderView>

namespace {

QTableWidgetItem *figureItem(double share, bool best) {
    auto *item = new QTableWidgetItem(percentText(share));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (best) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        // What the bold face shows, said to a screen reader.
        item->setData(Qt::AccessibleTextRole, percentText(share) + QStringLiteral(", el mejor"));
    }
    return item;
}

}  // namespace

FrmVerificacion::FrmVerificacion(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::FrmVerificacion>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    useDecimalPoint(*this);
    QStringList titles{QStringLiteral("Talla")};
    // Two words on two lines, so that every column fits the window.
    for (const stone::FigureColumn &column : stone::figureColumns())
        titles.append(QString(column.title).replace(u' ', u'\n'));
    m_ui->tablaComparacion->setColumnCount(int(titles.size()));
    m_ui->tablaComparacion->setHorizontalHeaderLabels(titles);
    m_ui->tablaComparacion->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The progress bar and its button keep their room while hidden, so that
    // the pictures do not jump at each trace.
    for (QWidget *tracing : std::initializer_list<QWidget *>{m_ui->progreso, m_ui->botonCancelar}) {
        QSizePolicy policy = tracing->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        tracing->setSizePolicy(policy);
    }
    showFinished(QString());
    connectFields();
}

FrmVerificacion::~FrmVerificacion() = default;

void FrmVerificacion::connectFields() {
    const Ui::FrmVerificacion &ui = *m_ui;
    const auto changed = [this] { emit cutChoicesChanged(); };
    for (QDoubleSpinBox *field : {ui.spinFiletin, ui.spinEstrella, ui.spinPabellon, ui.spinCabeza})
        connect(field, &QDoubleSpinBox::valueChanged, this, changed);
    connect(ui.sliderInclinacion, &QSlider::valueChanged, this, [this](int degrees) {
        m_ui->LabelInclinacion->setText(QStringLiteral("&Inclinación: %1º").arg(degrees));
        emit tiltChanged();
    });
    connect(ui.botonCancelar, &QPushButton::clicked, this, &FrmVerificacion::cancelRequested);
}

CutChoiceFields FrmVerificacion::choiceFields() const {
    return {m_ui->spinFiletin, m_ui->spinEstrella, m_ui->spinPabellon};
}

stone::CutChoices FrmVerificacion::cutChoices() const {
    return choiceFields().choices();
}

void FrmVerificacion::setCutChoices(const stone::CutChoices &choices) {
    choiceFields().show(choices);
}

double FrmVerificacion::headDeg() const {
    return m_ui->spinCabeza->value();
}

int FrmVerificacion::tiltDeg() const {
    return m_ui->sliderInclinacion->value();
}

void FrmVerificacion::showStone(const stone::Brilliant &stone) {
    m_ui->vistaPiedra->showStone(stone);
}

void FrmVerificacion::showLightMap(const stone::LightMap &map) {
    m_ui->mapaLuz->setPicture(
        [map](PainterCanvas &canvas, const QRectF &area) { drawLightMap(canvas, area, map); });
}

void FrmVerificacion::showComparison(const std::vector<stone::CutLight> &cuts) {
    m_ui->curvaInclinacion->setPicture(
        [cuts](PainterCanvas &canvas, const QRectF &area) { drawTiltCurves(canvas, area, cuts); });
    fillTable(cuts);
}

void FrmVerificacion::fillTable(const std::vector<stone::CutLight> &cuts) {
    QTableWidget &table = *m_ui->tablaComparacion;
    table.setRowCount(int(cuts.size()));
    const std::vector<stone::FigureColumn> columns = stone::figureColumns();
    for (int row = 0; row < int(cuts.size()); ++row) {
        auto *name = new QTableWidgetItem(cuts[row].cut.name);
        name->setForeground(curveColour(row));
        table.setItem(row, 0, name);
    }
    for (int column = 0; column < int(columns.size()); ++column) {
        for (int row = 0; row < int(cuts.size()); ++row)
            table.setItem(row, column + 1,
                          figureItem(columns[column].share(cuts[row]),
                                     showsBest(cuts, columns[column], std::size_t(row))));
    }
}

void FrmVerificacion::showProgress(int percent) {
    m_ui->progreso->setValue(percent);
    m_ui->progreso->show();
    m_ui->botonCancelar->show();
    m_ui->LabelEstado->setText(QStringLiteral("Trazando rayos…"));
}

void FrmVerificacion::showFinished(const QString &status) {
    m_ui->progreso->hide();
    m_ui->botonCancelar->hide();
    m_ui->LabelEstado->setText(status);
}

void FrmVerificacion::showNoStone(const QString &reason) {
    m_ui->vistaPiedra->clearStone();
    m_ui->mapaLuz->setPicture({});
    m_ui->curvaInclinacion->setPicture({});
    m_ui->tablaComparacion->setRowCount(0);
    showFinished(reason);
}

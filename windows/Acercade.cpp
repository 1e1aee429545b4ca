#include "windows/Acercade.h"

#include "ui_Acercade.h"
#include "windows/EnterKey.h"
#include "windows/Fonts.h"
#include "windows/LabelFitting.h"

namespace {

// Where the client area opens on screen.
constexpr QPoint clientOrigin(257, 223);

}  // namespace

Acercade::Acercade(QWidget *parent)
    : QWidget(parent, Qt::Window), m_ui(std::make_unique<Ui::Acercade>()) {
    installFontSubstitutes();
    m_ui->setupUi(this);
    fitLabelsToText(*this);
    setGeometry(QRect(clientOrigin, size()));
    letEnterPressFocusedButtons(*this);
    connect(m_ui->Aceptar, &QPushButton::clicked, this, &QWidget::close);
    m_ui->Picture1->setFocus();
}

Acercade::~Acercade() = default;

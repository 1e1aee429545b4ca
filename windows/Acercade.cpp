#include "windows/Acercade.h"

#include "windows/EnterKey.h"
#include "windows/Fonts.h"
#include "windows/LabelFitting.h"

namespace {

// Where the client area opens on screen.
constexpr QPoint clientOrigin(257, 223);

}  // namespace

Acercade::Acercade(QWidget *parent) : QWidget(parent, Qt::Window) {
    installFontSubstitutes();
    m_ui.setupUi(this);
    fitLabelsToText(*this);
    setGeometry(QRect(clientOrigin, size()));
    letEnterPressFocusedButtons(*this);
    m_ui.Picture1->setFocus();
}

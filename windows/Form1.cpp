#include "windows/Form1.h"

#include "drawing/MainCanvases.h"
#include "windows/EnterKey.h"
#include "windows/Fonts.h"
#include "windows/LabelFitting.h"

#include <limits>

namespace {

// The client area (the form below the menu bar) and where it opens on screen.
constexpr QPoint clientOrigin(4, 50);
constexpr QSize clientSize(792, 539);

}  // namespace

Form1::Form1(QWidget *parent) : QMainWindow(parent) {
    installFontSubstitutes();
    m_ui.setupUi(this);
    fitLabelsToText(*this);
    setUpPicture1(*m_ui.Picture1);
    setUpPicture2(*m_ui.Picture2);
    placeClientArea();
    liftLengthLimits();
    letEnterPressFocusedButtons(*this);
    m_ui.Text1->setFocus();
}

void Form1::liftLengthLimits() {
    // Fields take any text the user types, however long; Qt would stop at
    // 32767 characters.
    for (QLineEdit *field : findChildren<QLineEdit *>())
        field->setMaxLength(std::numeric_limits<int>::max());
}

void Form1::placeClientArea() {
    // Qt places the window without its frame; the menu bar sits above the
    // client area inside that rectangle.
    const int menuHeight = menuBar()->sizeHint().height();
    setGeometry(QRect(clientOrigin - QPoint(0, menuHeight), clientSize + QSize(0, menuHeight)));
}

#pragma once

class QWidget;

// Enter, and the keypad's Enter, press a button of the window that has the
// keyboard focus, as Space does. No button becomes a default button: Enter
// anywhere else presses nothing.
//
// Qt's own way, auto-default buttons, also makes the focused button the
// window's default button while it has the focus, which changes how the style
// draws it and what it reports to assistive tools.
void letEnterPressFocusedButtons(QWidget &window);

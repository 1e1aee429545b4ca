#pragma once

#include "app/PrintDialog.h"

class QWidget;

// The print dialog of a window, from the module corvelux-imprimir, which is
// loaded when the user first prints: beside the program (in the build
// tree), or else where it is installed: ../lib/<multiarch>/corvelux from the
// program on Debian.
// Without the module, printing is cancelled with a warning on standard
// error.
std::unique_ptr<PrintDialog> makeQtPrintDialog(QWidget *owner);

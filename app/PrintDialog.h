#pragma once

class QPrinter;

// Where the user chooses the printer and its settings before printing: Qt's
// print dialog in the program. Tests choose instead.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // Sets printer up as the user chooses; false when the user cancels.
    virtual bool choose(QPrinter &printer) = 0;
};

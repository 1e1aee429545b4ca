#pragma once

#include <memory>

class QPagedPaintDevice;

// Where the user chooses the printer and its settings before printing: Qt's
// print dialog in the program. Tests choose instead.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // The printer the user chose, set up for one A4 page; nullptr when the
    // user cancels.
    virtual std::unique_ptr<QPagedPaintDevice> choosePrinter() = 0;
};

#pragma once

#include "app/PrintDialog.h"

#include <QPrinter>

// A print dialog that asks nobody: the printer it chooses writes a PDF file,
// or, while no file is named, the user cancels. It counts its requests.
class ScriptedPrintDialog final : public PrintDialog {
public:
    bool choose(QPrinter &printer) override {
        ++requests;
        if (pdfFile.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
        return true;
    }

    QString pdfFile;
    int requests = 0;
};

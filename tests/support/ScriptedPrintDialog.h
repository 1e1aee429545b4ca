#pragma once

#include "app/PrintDialog.h"

#include <QPdfWriter>

// A print dialog that asks nobody: the printer it chooses writes a PDF file,
// or, while no file is named, the user cancels. It counts its requests.
class ScriptedPrintDialog final : public PrintDialog {
public:
    std::unique_ptr<QPagedPaintDevice> choosePrinter() override {
        ++requests;
        if (pdfFile.isEmpty())
            return nullptr;
        return std::make_unique<QPdfWriter>(pdfFile);
    }

    QString pdfFile;
    int requests = 0;
};

#include "platform/report/TPrinter.h"

#include "platform/base/Exceptions.h"

#include <QPrinter>
#include <QPrinterInfo>

TPrinter::TPrinter() : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() = default;

QStringList TPrinter::Printers() const {
    return QPrinterInfo::availablePrinterNames();
}

int TPrinter::PrinterIndex() const {
    if (m_printer->outputFormat() != QPrinter::NativeFormat)
        return -1;
    return static_cast<int>(Printers().indexOf(m_printer->printerName()));
}

void TPrinter::SetPrinterIndex(int index) {
    const QStringList printers = Printers();
    if (index < -1 || index >= printers.size())
        throw Exception(QStringLiteral("Printer index out of range"));
    m_printer->setOutputFileName(QString());
    m_printer->setPrinterName(index < 0 ? QPrinterInfo::defaultPrinterName() : printers.at(index));
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}

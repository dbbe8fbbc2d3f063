#pragma once
// The current printer of the program: the one a report prints on unless told
// otherwise, chosen by index among the installed printers or set up through
// the printer-setup dialog (TPrinterSetupDialog). Printer() is the one
// instance; it lives until the program ends.

#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The installed printers by name.
    QStringList Printers() const;
    // The index of the current printer in Printers; -1 when it is none of
    // them (the default, or output to a file).
    int PrinterIndex() const;
    // -1 chooses the system's default printer; raises Exception for an index
    // outside Printers.
    void SetPrinterIndex(int index);

    // Where the pages go; printing and the setup dialog work on it.
    QPrinter& QtPrinter() { return *m_printer; }

private:
    std::unique_ptr<QPrinter> m_printer;
};

// The current printer.
TPrinter& Printer();

#pragma once

#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

// The system print dialog goes through one seam: the program asks the user,
// tests answer for the user (for instance printing to a PDF file).
// The responder returns true when the user chose to print.
using PrintDialogResponder = std::function<bool(QPrinter &printer, QWidget *owner)>;
PrintDialogResponder DefinePrintDialogResponder(PrintDialogResponder responder);

// Asks with the print dialog, then prints the document with margins of 1 cm
// left and right and half an inch top and bottom, the header "Rerevid -
// Birthday List" with "Sheet p/P" at the right, and a footer with the
// program's credit and the date. A cancelled dialog is not a failure: only a
// print that could not be made returns false.
bool Imprime(const QTextDocument &document, QWidget *owner);

// Prints without asking (the printer is already chosen). False on failure.
bool ImprimeDocumento(const QTextDocument &document, QPrinter &printer);

#pragma once

// The recipe card: the calculation printed on one page with the window's title, the date and the
// logo.

#include "window/window.h"

#include <QImage>
#include <QString>

class QPrinter;
class QWidget;

namespace fournil::qt {

// Lays the card out on one page of the printer (A4, Letter or a PDF file). Empty when it was
// printed; otherwise why not, in French.
QString printCard(const Window& model, const QImage& logo, QPrinter& printer);

// Asks where to print (Qt's print dialog, which also writes PDF), then prints; a print that fails
// says so, a cancelled one says nothing.
void printCardWithDialog(const Window& model, const QImage& logo, QWidget* parent);

// The title of the window's own message boxes.
QString printFailure(const QString& reason);

}  // namespace fournil::qt

#pragma once

// The recipe card: the calculation printed on one page with the window's title, the date and the
// logo.

#include "window/window.h"

#include <QPagedPaintDevice>

class QPrinter;
class QWidget;

namespace fournil::qt {

// Lays the card out on one page of the printer (A4, Letter or a PDF file).
void printCard(const Window& model, const QImage& logo, QPrinter& printer);

// Asks where to print (Qt's print dialog, which also writes PDF), then prints.
void printCardWithDialog(const Window& model, const QImage& logo, QWidget* parent);

}  // namespace fournil::qt

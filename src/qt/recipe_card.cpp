#include "qt/recipe_card.h"

#include "guidance/calculation_text.h"

#include <QDate>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace fournil::qt {

QString printCard(const Window& model, const QImage& logo, QPrinter& printer) {
    QTextDocument card;
    QString html = QStringLiteral(
                       "<h2>%1</h2><p><i>%2</i></p><table cellpadding=\"12\" "
                       "border=\"1\" cellspacing=\"0\" width=\"100%\"><tr><td>")
                       .arg(model.Fournil.caption().toHtmlEscaped(),
                            // The card is French whatever the user's language: so is its date.
                            QLocale(QLocale::French, QLocale::France)
                                .toString(QDate::currentDate(), QLocale::LongFormat)
                                .toHtmlEscaped());
    for (const QString& line : calculationText(model).split(u'\n')) {
        html += line.toHtmlEscaped() + QStringLiteral("<br>");
    }
    html += QStringLiteral("</td>");
    if (!logo.isNull()) {
        card.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), logo);
        html += QStringLiteral(
            "<td width=\"110\"><img src=\"logo\" width=\"100\" height=\"100\"></td>");
    }
    html += QStringLiteral("</tr></table>");
    card.setHtml(html);
    card.setPageSize(printer.pageRect(QPrinter::Point).size());
    card.print(&printer);
    const QString file = printer.outputFileName();
    if (!file.isEmpty()) {
        if (printer.printerState() == QPrinter::Error || QFileInfo(file).size() == 0) {
            return QStringLiteral("le fichier « %1 » n'a pas pu être écrit").arg(file);
        }
    } else if (printer.printerState() == QPrinter::Error) {
        return QStringLiteral("l'imprimante « %1 » n'a pas accepté la fiche")
            .arg(printer.printerName());
    }
    return {};
}

QString printFailure(const QString& reason) {
    return QStringLiteral("Impossible d'imprimer la fiche : ") + reason;
}

void printCardWithDialog(const Window& model, const QImage& logo, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Fournil"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString failure = printCard(model, logo, printer);
    if (!failure.isEmpty()) {
        QMessageBox::warning(parent, QStringLiteral("Fournil"), printFailure(failure));
    }
}

}  // namespace fournil::qt

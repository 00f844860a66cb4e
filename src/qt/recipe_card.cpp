#include "qt/recipe_card.h"

#include "guidance/calculation_text.h"

#include <QDate>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace fournil::qt {

void printCard(const Window& model, const QImage& logo, QPrinter& printer) {
    QTextDocument card;
    QString html =
        QStringLiteral(
            "<h2>%1</h2><p><i>%2</i></p><table cellpadding=\"12\" "
            "border=\"1\" cellspacing=\"0\" width=\"100%\"><tr><td>")
            .arg(
                model.Fournil.caption().toHtmlEscaped(),
                model.locale().toString(QDate::currentDate(), QLocale::LongFormat).toHtmlEscaped());
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
}

void printCardWithDialog(const Window& model, const QImage& logo, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Fournil"));
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Imprimer la fiche"));
    if (dialog.exec() == QDialog::Accepted) {
        printCard(model, logo, printer);
    }
}

}  // namespace fournil::qt

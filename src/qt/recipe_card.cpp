#include "qt/recipe_card.h"

#include "engine/recipe.h"
#include "guidance/calculation_text.h"
#include "guidance/recipe_text.h"

#include <QDate>
#include <QFileInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

namespace fournil::qt {

namespace {

// The recipe as a table a baker reads from a metre away, and room for notes.
QString recipeHtml(const RecipeTable& t) {
    QString html = QStringLiteral(
                       "<h2 style=\"font-size: 18pt\">Recette : %1</h2>"
                       "<table cellpadding=\"5\" border=\"1\" cellspacing=\"0\" width=\"100%\" "
                       "style=\"font-size: 17pt\"><tr><th align=\"left\">Ingrédient</th>"
                       "<th align=\"right\">Masse</th><th align=\"right\">% farine</th></tr>")
                       .arg(piecesPhrase(t).toHtmlEscaped());
    for (const RecipeRow& row : t.rows) {
        const QString size = row.part() ? QStringLiteral(" style=\"font-size: 13pt\"") : QString();
        html +=
            QStringLiteral(
                "<tr%1><td>%2%3</td><td align=\"right\"><b>%4 %5</b></td>"
                "<td align=\"right\">%6 %</td></tr>")
                .arg(size, row.part() ? QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") : QString(),
                     ingredientName(row.ingredient).toHtmlEscaped(), row.massText.toHtmlEscaped(),
                     t.unit.toHtmlEscaped(), row.percentText.toHtmlEscaped());
    }
    html += QStringLiteral(
                "<tr><td><b>total</b></td><td align=\"right\"><b>%1 %2</b></td>"
                "<td></td></tr></table>")
                .arg(t.totalText.toHtmlEscaped(), t.unit.toHtmlEscaped());
    html += QStringLiteral("<p style=\"font-size: 14pt\">Hydratation totale : %1</p>")
                .arg(hydrationPhrases(t).join(QStringLiteral(" · ")).toHtmlEscaped());
    html += QStringLiteral("<p style=\"font-size: 14pt\">Notes :</p>");
    for (int i = 0; i < 4; ++i) {
        html += QStringLiteral("<hr>");
    }
    return html;
}

}  // namespace

QString printCard(const Window& model, const QImage& logo, QPrinter& printer) {
    QTextDocument card;
    const auto recipe = recipeTable(model);
    QString html = QStringLiteral(
                       "<h2>%1</h2><p><i>%2</i></p><table cellpadding=\"12\" "
                       "border=\"1\" cellspacing=\"0\" width=\"100%\"><tr><td>")
                       .arg(model.Fournil.caption().toHtmlEscaped(),
                            // The card is French whatever the user's language: so is its date.
                            QLocale(QLocale::French, QLocale::France)
                                .toString(QDate::currentDate(), QLocale::LongFormat)
                                .toHtmlEscaped());
    QStringList sentence = calculationText(model).split(u'\n');
    if (recipe) {
        sentence.resize(sentence.size() - recipeLines(*recipe).size());  // drawn as a table
    }
    for (const QString& line : sentence) {
        html += line.toHtmlEscaped() + QStringLiteral("<br>");
    }
    html += QStringLiteral("</td>");
    if (!logo.isNull()) {
        card.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("logo")), logo);
        html += QStringLiteral(
            "<td width=\"110\"><img src=\"logo\" width=\"100\" height=\"100\"></td>");
    }
    html += QStringLiteral("</tr></table>");
    if (recipe) {
        html += recipeHtml(*recipe);
    }
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

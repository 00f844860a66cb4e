#include "guidance/recipe_text.h"

#include "window/window.h"

namespace fournil {

QStringList recipeLines(const Window& w) {
    const auto table = recipeTable(w);
    return table ? recipeLines(*table) : QStringList();
}

QStringList recipeLines(const RecipeTable& t) {
    qsizetype name = 6, mass = t.totalText.size();
    for (const RecipeRow& row : t.rows) {
        name = std::max(name, row.name.size() + (row.part ? 2 : 0));
        mass = std::max(mass, row.massText.size());
    }
    QStringList lines;
    lines << QStringLiteral("Recette : ") + t.piecesText;
    for (const RecipeRow& row : t.rows) {
        const QString label = (row.part ? QStringLiteral("  ") : QString()) + row.name;
        lines << QStringLiteral("%1 %2 %3  %4 %")
                     .arg(label, -int(name))
                     .arg(row.massText, int(mass))
                     .arg(t.unit)
                     .arg(row.percentText);
    }
    lines << QStringLiteral("%1 %2 %3")
                 .arg(QStringLiteral("total"), -int(name))
                 .arg(t.totalText, int(mass))
                 .arg(t.unit);
    lines << QStringLiteral("Hydratation totale : ") +
                 QStringList(t.hydrationTexts.begin(), t.hydrationTexts.end())
                     .join(QStringLiteral(" · "));
    return lines;
}

}  // namespace fournil

#include "guidance/recipe_text.h"

#include "window/inventory.h"
#include "window/window.h"

namespace fournil {

QString ingredientName(Ingredient ingredient) {
    // In the order of Ingredient.
    static const char16_t* const names[] = {u"farine",   u"eau", u"levain", u"dont farine",
                                            u"dont eau", u"sel", u"levure"};
    return QString::fromUtf16(names[std::size_t(ingredient)]);
}

QString piecesPhrase(const RecipeTable& t) {
    return QStringLiteral("%1 pâton%2 de %3 %4")
        .arg(t.pieces)
        .arg(t.pieces > 1 ? QStringLiteral("s") : QString(), t.pieceWeightText, t.unit);
}

QStringList hydrationPhrases(const RecipeTable& t) {
    return {t.hydrationTexts[0] + QStringLiteral(" % pâte"),
            t.hydrationTexts[1] + QStringLiteral(" % farine"),
            QStringLiteral("fraction pâte ") + t.hydrationTexts[2],
            QStringLiteral("fraction farine ") + t.hydrationTexts[3]};
}

QString modeCaption(Mode mode) {
    for (const ControlEntry& entry : inventory()) {
        if (entry.name == u"optionL" && entry.index == int(mode)) {
            return entry.caption.toString();
        }
    }
    return {};
}

QString recipeUnavailableReason() {
    QStringList modes;
    for (const ModeRow& row : modeRows()) {
        if (row.recipe != RecipeShape::None) {
            modes << QStringLiteral("« %1 »").arg(modeCaption(row.mode));
        }
    }
    return QStringLiteral("La recette complète se fait autour d'une pâte : choisissez %1.")
        .arg(modes.join(QStringLiteral(" ou ")));
}

QStringList recipeLines(const Window& w) {
    const auto table = recipeTable(w);
    return table ? recipeLines(*table) : QStringList();
}

QStringList recipeLines(const RecipeTable& t) {
    qsizetype name = 6, mass = t.totalText.size();
    for (const RecipeRow& row : t.rows) {
        name = std::max(name, ingredientName(row.ingredient).size() + (row.part() ? 2 : 0));
        mass = std::max(mass, row.massText.size());
    }
    QStringList lines;
    lines << QStringLiteral("Recette : ") + piecesPhrase(t);
    for (const RecipeRow& row : t.rows) {
        const QString label =
            (row.part() ? QStringLiteral("  ") : QString()) + ingredientName(row.ingredient);
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
                 hydrationPhrases(t).join(QStringLiteral(" · "));
    return lines;
}

}  // namespace fournil

#include "calc/options.h"

#include "engine/numbers.h"
#include "guidance/recipe_text.h"

#include <array>

namespace fournil::calc {
namespace {

struct Option {
    const char16_t* name;      // "--mode"
    const char16_t* argument;  // "N", or null for an option that takes none
    const char16_t* help;      // one line or more; %1 the range of the modes, %2 and %3 the
                               // recipe's bounds
    void (*take)(Options& o, const QString& value);
    bool optional = false;  // the argument may be left out (the next word is an option)
};

template <BaseField F>
void takeBase(Options& o, const QString& value) {
    BaseRequest& b = o.request.base ? *o.request.base : o.request.base.emplace();
    b[F] = value;
}

template <RecipeField F>
void takeRecipe(Options& o, const QString& value) {
    RecipeRequest& r = o.request.recipe ? *o.request.recipe : o.request.recipe.emplace();
    r[F] = value;
    o.recipeGiven.push_back(F);
}

// clang-format off
const auto options = std::to_array<Option>({
    {u"--mode", u"N", u"le calcul, %1 (voir plus bas)",
     [](Options& o, const QString& v) { o.mode = modeNamed(v); }},
    {u"--masse", u"UNITÉ", u"l'unité de masse : gr, kg ou l/kg",
     [](Options& o, const QString& v) { o.request.massUnit = massUnitNamed(v); }},
    {u"--unite1", u"UNITÉ", u"l'unité de la première hydratation : pate, farine, fraction-pate,\n"
                            u"fraction-farine (% pâte, % farine, fraction pâte, fraction farine)",
     [](Options& o, const QString& v) { o.request.hydrationUnit1 = hydrationUnitNamed(v); }},
    {u"--unite2", u"UNITÉ", u"l'unité de la seconde hydratation (celle du levain), mêmes unités",
     [](Options& o, const QString& v) { o.request.hydrationUnit2 = hydrationUnitNamed(v); }},
    {u"--format", u"F", u"texte (comme « Copier le calcul »), json ou csv ; texte par défaut,\n"
                        u"csv pour --csv",
     [](Options& o, const QString& v) { o.format = &formatNamed(v); }},
    {u"--locale", u"NOM", u"lit et écrit les nombres selon cette langue (C, fr_FR, en_US…)",
     [](Options& o, const QString& v) {
         o.locale = localeNamed(v);
         if (!o.locale) {
             throw UsageError(QStringLiteral("langue inconnue « %1 » ; les langues connues sont : "
                                             "C, POSIX, %2").arg(v, knownLocaleNames().join(u' ')));
         }
     }},
    {u"--pieces", u"N", u"la recette complète : le nombre de pâtons (1 à %2)",
     takeRecipe<RecipeField::Pieces>},
    {u"--poids", u"P", u"le poids d'un pâton dans l'unité de masse (obligatoire pour une recette)",
     takeRecipe<RecipeField::Weight>},
    {u"--sel", u"P", u"le sel en % de toute la farine (0 à %3 ; 2 par défaut)",
     takeRecipe<RecipeField::Salt>},
    {u"--levure", u"P", u"la levure en % de toute la farine (0 à %3 ; 0 par défaut) ;\n"
                        u"la pâte est tapée pour faire pâtons × poids, la recette suit",
     takeRecipe<RecipeField::Yeast>},
    {u"--base", u"T", u"le mode 3 : la température de base du pétrissage ; l'eau est tapée à\n"
                      u"base − farine − fournil (− levain) avant les autres valeurs",
     takeBase<BaseField::Base>},
    {u"--t-farine", u"T", u"la température de la farine (avec --base)", takeBase<BaseField::Flour>},
    {u"--t-fournil", u"T", u"la température du fournil (avec --base)",
     takeBase<BaseField::Bakehouse>},
    {u"--t-levain", u"T", u"la température du levain, s'il y en a un (avec --base)",
     takeBase<BaseField::Levain>},
    {u"--reparer", nullptr, u"une valeur que la fenêtre répare est gardée réparée (dit sur la\n"
                            u"sortie d'erreur, ou dans la colonne reparations) au lieu d'être "
                            u"refusée",
     [](Options& o, const QString&) { o.request.repair = true; }},
    {u"--csv", u"FICHIER", u"un calcul par ligne d'un fichier CSV (- : l'entrée standard) ;\n"
                           u"l'en-tête nomme mode, masse, unite1, unite2, pieces, poids, sel,\n"
                           u"levure et les valeurs",
     [](Options& o, const QString& v) { o.csv = v; }},
    {u"--carnet", u"[NOM]", u"sans NOM, les noms du carnet, un par ligne ; avec NOM, le calcul\n"
                            u"de ce nom (--pieces, --poids, --sel, --levure changent sa recette)",
     [](Options& o, const QString& v) { o.notebook = v; }, true},
    {u"--carnet-importer", u"FICHIER", u"ajoute au carnet les lignes d'un fichier CSV (- : l'entrée\n"
                                       u"standard) qui nomme les colonnes nom, notes et celles de\n"
                                       u"--csv ; toutes ou aucune",
     [](Options& o, const QString& v) { o.importFrom = v; }},
    {u"--remplacer", nullptr, u"--carnet-importer remplace une entrée du même nom",
     [](Options& o, const QString&) { o.replace = true; }},
    {u"--carnet-exporter", nullptr, u"écrit le carnet en CSV, tel que --carnet-importer le reprend\n"
                                    u"et que --csv le calcule",
     [](Options& o, const QString&) { o.exportNotebook = true; }},
    {u"--help", nullptr, u"cette aide ; avec --mode N, les noms de ce mode seulement (aussi -h)",
     [](Options& o, const QString&) { o.help = true; }},
    {u"--version", nullptr, u"la version",
     [](Options& o, const QString&) { o.version = true; }},
});
// clang-format on

const Option* optionNamed(const QString& word) {
    for (const Option& option : options) {
        if (word == QStringView(option.name)) {
            return &option;
        }
    }
    return word == u"-h" ? optionNamed(QStringLiteral("--help")) : nullptr;
}

QStringList optionNames() {
    QStringList names;
    for (const Option& option : options) {
        names << QString::fromUtf16(option.name);
    }
    return names;
}

QString usage() {
    return QStringLiteral(
        "Usage : fournil-calc --mode N [--masse UNITÉ] [--unite1 UNITÉ] [--unite2 UNITÉ]\n"
        "                     [--pieces N --poids P [--sel P] [--levure P]]\n"
        "                     [--format texte|json|csv] [--locale NOM] NOM=VALEUR ...\n"
        "        fournil-calc --csv FICHIER|- [--format texte|json|csv] [--locale NOM]\n"
        "        fournil-calc --carnet [NOM] | --carnet-importer FICHIER|- [--remplacer]\n"
        "                     | --carnet-exporter\n"
        "\n"
        "Fait un calcul de la fenêtre de Fournil et en écrit la réponse, la même que dans la "
        "fenêtre.\n"
        "Les valeurs sont tapées dans l'ordre donné, comme au clavier, après le choix du mode et "
        "des\n"
        "unités ; elles se lisent selon la langue (LC_ALL, LC_NUMERIC, LANG ou --locale) : "
        "70,5 en français.\n");
}

QString optionsHelp() {
    QString text = QStringLiteral("\nOptions :\n");
    for (const Option& option : options) {
        const QString left = option.argument == nullptr
                                 ? QString::fromUtf16(option.name)
                                 : QStringLiteral("%1 %2").arg(QString::fromUtf16(option.name),
                                                               QString::fromUtf16(option.argument));
        const QStringList lines =
            QString::fromUtf16(option.help)
                .replace(QStringLiteral("%1"), modeRange())
                .replace(QStringLiteral("%2"), QString::number(maximumPieces))
                .replace(QStringLiteral("%3"), QString::number(maximumPercent))
                .split(u'\n');
        text += QStringLiteral("  %1 %2\n").arg(left, -17).arg(lines.front());
        for (qsizetype i = 1; i < lines.size(); ++i) {
            text += QString(20, u' ') + lines[i] + u'\n';
        }
    }
    return text +
           QStringLiteral(
               "\nSortie : 0 avec une réponse (toutes les lignes d'un lot) ; 2 pour une option, "
               "un mode,\nune unité, un nom ou une langue inconnus, une valeur "
               "refusée, un fichier illisible ;\n3 quand la réponse est « Calcul "
               "impossible avec ces valeurs » (un lot : une ligne en\nerreur) ; 4 quand "
               "la réponse ne peut pas être écrite (disque plein, sortie fermée).\n");
}

QString modeHelp(Mode mode) {
    QString text = QStringLiteral("\nMode %1 : %2\n").arg(int(mode)).arg(modeCaption(mode));
    // The mode clicked, to see which of its boxes take a value.
    Calculator calculator(QLocale::c());
    Request clicked;
    clicked.mode = mode;
    calculator.run(clicked);
    const Window& w = calculator.window();
    for (const NamedBox& b : namedBoxes(mode)) {
        const bool input = isDenominator(b.box) || boxOf(w, b.box).reachable();
        text += QStringLiteral("  %1 %2 %3%4\n")
                    .arg(b.name, -22)
                    .arg(b.boxName, -4)
                    .arg(b.meaning)
                    .arg(input ? QString() : QStringLiteral(" (résultat)"));
    }
    return text;
}

}  // namespace

Options parse(const QStringList& arguments) {
    Options o;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const qsizetype eq = argument.indexOf(u'=');
        const bool inline_ = argument.startsWith(QStringLiteral("--")) && eq > 0;
        const QString word = inline_ ? argument.left(eq) : argument;
        if (const Option* option = optionNamed(word)) {
            QString value;
            if (inline_) {
                value = argument.mid(eq + 1);
            } else if (option->optional) {
                const bool given = i + 1 < arguments.size() && !arguments[i + 1].startsWith(u'-');
                value = given ? arguments[++i] : QString();
            } else if (option->argument != nullptr) {
                if (i + 1 >= arguments.size()) {
                    throw UsageError(QStringLiteral("%1 attend une valeur").arg(word));
                }
                value = arguments[++i];
            }
            option->take(o, value);
        } else if (word.startsWith(u'-') && word.size() > 1 && (inline_ || eq < 0)) {
            throw UsageError(QStringLiteral("option inconnue « %1 » ; les options sont : %2")
                                 .arg(word, joined(optionNames())));
        } else if (eq > 0) {
            o.request.inputs.emplace_back(argument.left(eq), argument.mid(eq + 1));
        } else {
            throw UsageError(
                QStringLiteral("« %1 » n'est ni une option ni NOM=VALEUR (voir --help)")
                    .arg(argument));
        }
    }
    if (o.mode) {
        o.request.mode = *o.mode;
    }
    return o;
}

QString helpText(std::optional<Mode> only) {
    QString text = usage() + optionsHelp();
    for (const ModeRow& row : modeRows()) {
        if (!only || row.mode == *only) {
            text += modeHelp(row.mode);
        }
    }
    return text;
}

}  // namespace fournil::calc

#include "calc/notebook_command.h"

#include "calc/batch.h"
#include "calc/csv.h"
#include "engine/numbers.h"
#include "engine/recipe.h"
#include "notebook/notebook.h"

#include <QSet>

#include <algorithm>
#include <memory>

namespace fournil::calc {
namespace {

using namespace exitStatus;

std::unique_ptr<Notebook> openNotebook(const Streams& io) {
    Notebook::Opened opened = Notebook::open(notebookPath());
    if (!opened.notebook) {
        throw UsageError(opened.message);
    }
    if (!opened.message.isEmpty()) {
        say(io, opened.message);
    }
    return std::move(opened.notebook);
}

int distance(const QString& a, const QString& b) {
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (std::size_t j = 0; j < row.size(); ++j) {
        row[j] = int(j);
    }
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[std::size_t(j)];
            row[std::size_t(j)] = std::min({above + 1, row[std::size_t(j) - 1] + 1,
                                            diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row.back();
}

// The entry's calculation, refused when this program cannot replay it (a newer Fournil's).
const KeptCalculation& replayable(const NotebookEntry& e) {
    if (!validCalculation(e.calculation)) {
        throw UsageError(notReplayable(e.name));
    }
    return e.calculation;
}

// The entry as a request: its mode, units and texts, as the window would replay them.
Request entryRequest(const KeptCalculation& c, bool repair) {
    Request r;
    r.mode = Mode(c.mode);
    r.massUnit = c.massUnit;
    r.hydrationUnit1 = c.unit1;
    r.hydrationUnit2 = c.unit2 - 4;  // the second group's buttons come after the first's four
    r.inputs = c.texts;
    r.repair = repair;
    r.kept = true;
    return r;
}

// The entry played as the window replays it, its recipe and base temperature put back; the
// weight of a piece of its recipe, its table's total over its pieces, if it has one.
std::optional<double> replay(Calculator& calculator, const KeptCalculation& c) {
    calculator.run(entryRequest(c, true));
    calculator.keep(c);
    const auto table = c.recipe ? recipeTable(calculator.window()) : std::nullopt;
    return table ? std::optional(table->total / c.recipe->pieces) : std::nullopt;
}

int computeEntry(const Notebook& notebook, const Options& o, const QLocale& locale,
                 const Streams& io) {
    const std::optional<NotebookEntry> entry = notebook.find(*o.notebook);
    if (!entry) {
        QStringList names;
        for (const NotebookEntry& e : notebook.entries()) {
            names << e.name;
        }
        throw UsageError(
            names.isEmpty()
                ? QStringLiteral("« %1 » n'est pas dans le carnet, qui est vide").arg(*o.notebook)
                : QStringLiteral("« %1 » n'est pas dans le carnet ; les noms les plus "
                                 "proches : %2")
                      .arg(*o.notebook, joined(nearestNames(*o.notebook, names))));
    }
    const KeptCalculation& c = replayable(*entry);
    Calculator calculator(locale);
    Request request = entryRequest(c, o.request.repair);
    if (o.recipeGiven.empty()) {
        return answerOne(calculator, request, o.format, io, &c);
    }
    // The options given change the entry's recipe; the fields not given keep its values.
    RecipeRequest recipe;
    if (const auto weight = replay(calculator, c)) {
        recipe[RecipeField::Pieces] = QString::number(c.recipe->pieces);
        recipe[RecipeField::Weight] = unroundedText(*weight, locale);
        recipe[RecipeField::Salt] = unroundedText(c.recipe->salt, locale);
        recipe[RecipeField::Yeast] = unroundedText(c.recipe->yeast, locale);
    }
    for (RecipeField f : o.recipeGiven) {
        recipe[f] = (*o.request.recipe)[f];
    }
    request.recipe = recipe;
    KeptCalculation besideTheRecipe = c;  // the recipe is the one just made
    besideTheRecipe.recipe.reset();
    return answerOne(calculator, request, o.format, io, &besideTheRecipe);
}

QStringList exportColumns() {
    QStringList columns = labelColumns() + settingColumns();
    for (BaseField f : baseFields) {
        columns.replace(columns.indexOf(baseWord(f)), baseColumn(f));
    }
    for (const QString& box : typedBoxNames()) {
        columns << QString(box).remove(u'(').remove(u')');
    }
    return columns;
}

QStringList exportRow(Calculator& calculator, const NotebookEntry& e, const QLocale& locale) {
    const KeptCalculation& c = replayable(e);
    const std::optional<double> weight = replay(calculator, c);
    const Window& w = calculator.window();
    QStringList row{e.name,
                    e.notes,
                    QString::number(c.mode),
                    massUnitShown(w),
                    hydrationUnitShown(w, 1),
                    hydrationUnitShown(w, 2),
                    weight ? QString::number(c.recipe->pieces) : QString(),
                    weight ? unroundedText(*weight, locale) : QString(),
                    weight ? unroundedText(c.recipe->salt, locale) : QString(),
                    weight ? unroundedText(c.recipe->yeast, locale) : QString()};
    row << baseCells(w);
    for (const QString& box : typedBoxNames()) {
        QString text;
        for (const auto& [name, typed] : c.texts) {
            text = name == box ? typed : text;
        }
        row << text;
    }
    return row;
}

int exportNotebook(const Notebook& notebook, const QLocale& locale, const Streams& io) {
    Calculator calculator(locale);
    QString out = csvRecord(exportColumns(), false);
    for (const NotebookEntry& e : notebook.entries()) {
        out += csvRecord(exportRow(calculator, e, locale), false);
        if (out.size() > 1 << 16) {
            write(io, out);
            out.clear();
        }
    }
    write(io, out);
    return answered;
}

}  // namespace

QStringList nearestNames(const QString& word, const QStringList& names) {
    const QString key = searchKey(word);
    std::vector<std::pair<int, QString>> ranked;
    for (const QString& name : names) {
        const QString other = searchKey(name);
        // A name that holds the word is as near as can be.
        ranked.emplace_back(other.contains(key) ? 0 : distance(key, other), name);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList nearest;
    for (std::size_t i = 0; i < std::min<std::size_t>(3, ranked.size()); ++i) {
        nearest << ranked[i].second;
    }
    return nearest;
}

int notebookCommand(const Options& o, const QLocale& locale, const Streams& io) {
    const std::unique_ptr<Notebook> notebook = openNotebook(io);
    if (o.importFrom) {
        return importNotebook(*notebook, o, locale, io);
    }
    if (o.exportNotebook) {
        return exportNotebook(*notebook, locale, io);
    }
    if (!o.notebook->isEmpty()) {
        return computeEntry(*notebook, o, locale, io);
    }
    QString names;
    for (const NotebookEntry& e : notebook->entries()) {
        names += e.name + u'\n';
    }
    write(io, names);
    return answered;
}

}  // namespace fournil::calc

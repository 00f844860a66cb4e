#include "calc/words.h"

#include "guidance/recipe_text.h"

namespace fournil::calc {

// "-0" and "-0,0" as 0: a sign on nothing misleads a reader and a spreadsheet alike.
QString withoutMinusZero(const QString& text) {
    if (text.size() < 2 || text[0] != u'-') {
        return text;
    }
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] != u'0' && text[i] != u'.' && text[i] != u',') {
            return text;
        }
    }
    return text.mid(1);
}

QString joined(const QStringList& words) {
    return words.join(QStringLiteral(", "));
}

QString boxName(AnswerBox box) {
    static const char* const names[] = {"Q1", "H1", "Q2", "H2", "EF1", "EF2", "H1d", "H2d"};
    return QString::fromLatin1(names[std::size_t(box)]);
}

namespace {

std::vector<NamedBox> makeNamedBoxes(Mode mode) {
    const ModeRow& row = modeRow(mode);
    const CommandNames& n = row.commandNames;
    const BoxNames& m = row.names;
    std::vector<NamedBox> boxes;
    const auto add = [&](const char16_t* name, AnswerBox box, const char16_t* meaning,
                         const QString& otherwise = {}) {
        if (name != nullptr) {
            const QString what =
                meaning != nullptr && *meaning != u'\0' ? QString::fromUtf16(meaning) : otherwise;
            boxes.push_back({QString::fromUtf16(name), box, boxName(box), what});
        }
    };
    const auto denominatorOf = [](const char16_t* hydration) {
        return QStringLiteral("dénominateur de « %1 » tapée en fraction")
            .arg(QString::fromUtf16(hydration));
    };
    add(n.q1, AnswerBox::Q1, m.q1);
    add(n.h1, AnswerBox::H1, m.h1);
    if (!row.temperatures) {
        add(u"denominateur", AnswerBox::H1d, nullptr, denominatorOf(n.h1));
    }
    add(n.q2, AnswerBox::Q2, m.q2);
    add(n.h2, AnswerBox::H2, m.h2);
    if (row.levain) {
        add(u"denominateur-levain", AnswerBox::H2d, nullptr, denominatorOf(n.h2));
    }
    add(n.ef1, AnswerBox::EF1, m.ef1, QStringLiteral("farine ou eau à ajouter"));
    add(n.ef2, AnswerBox::EF2, m.ef2);
    return boxes;
}

}  // namespace

const std::vector<NamedBox>& namedBoxes(Mode mode) {
    // Every row of a batch asks for its mode's: made once, read by every worker.
    static const std::vector<std::vector<NamedBox>> all = [] {
        std::vector<std::vector<NamedBox>> boxes;
        for (const ModeRow& row : modeRows()) {
            boxes.push_back(makeNamedBoxes(row.mode));
        }
        return boxes;
    }();
    const auto rows = modeRows();
    const auto row =
        std::find_if(rows.begin(), rows.end(), [&](const ModeRow& r) { return r.mode == mode; });
    return all.at(std::size_t(row - rows.begin()));
}

const NamedBox* boxNamed(const std::vector<NamedBox>& boxes, const QString& word) {
    const QString plain = plainWord(word);
    QString own = word;
    own.remove(u'(').remove(u')');
    for (const NamedBox& box : boxes) {
        if (box.name == plain || box.boxName.compare(own, Qt::CaseInsensitive) == 0) {
            return &box;
        }
    }
    return nullptr;
}

QStringList allBoxNames() {
    QStringList all;
    for (const ModeRow& row : modeRows()) {
        for (const NamedBox& b : namedBoxes(row.mode)) {
            if (!all.contains(b.name)) {
                all << b.name;
            }
        }
    }
    return all;
}

QString plainWord(QStringView word) {
    QString plain;
    for (QChar c : word.toString().trimmed().normalized(QString::NormalizationForm_D)) {
        if (c.category() == QChar::Mark_NonSpacing) {
            continue;
        }
        plain += (c == u' ' || c == u'_') ? QChar(u'-') : c.toLower();
    }
    return plain;
}

QString modeRange() {
    const auto rows = modeRows();
    return QStringLiteral("de %1 à %2").arg(int(rows.front().mode)).arg(int(rows.back().mode));
}

Mode modeNamed(QStringView word) {
    bool ok = false;
    const int number = word.toInt(&ok);
    if (ok && findModeRow(number) != nullptr) {
        return Mode(number);
    }
    QStringList modes;
    for (const ModeRow& row : modeRows()) {
        modes << QStringLiteral("%1 (%2)").arg(int(row.mode)).arg(modeCaption(row.mode));
    }
    throw UsageError(
        QStringLiteral("mode inconnu « %1 » ; les modes sont : %2").arg(word, joined(modes)));
}

QStringList massUnitWords() {
    return {QStringLiteral("gr"), QStringLiteral("kg"), QStringLiteral("l/kg")};
}

QStringList hydrationUnitWords() {
    return {QStringLiteral("pate"), QStringLiteral("farine"), QStringLiteral("fraction-pate"),
            QStringLiteral("fraction-farine")};
}

int massUnitNamed(QStringView word) {
    QString plain = plainWord(word);
    if (plain == u"g") {
        plain = QStringLiteral("gr");
    }
    const qsizetype at = massUnitWords().indexOf(plain);
    if (at < 0) {
        throw UsageError(QStringLiteral("unité de masse inconnue « %1 » ; les unités sont : %2")
                             .arg(word, joined(massUnitWords())));
    }
    return int(at) + 1;
}

int hydrationUnitNamed(QStringView word) {
    // "% pâte", "%pate" and "pate" alike.
    QString plain = plainWord(word);
    plain.remove(u'%');
    while (plain.startsWith(u'-')) {
        plain.remove(0, 1);
    }
    const qsizetype at = hydrationUnitWords().indexOf(plain);
    if (at < 0) {
        throw UsageError(
            QStringLiteral("unité d'hydratation inconnue « %1 » ; les unités sont : %2 "
                           "(% pâte, % farine, fraction pâte, fraction farine)")
                .arg(word, joined(hydrationUnitWords())));
    }
    return int(at) + 1;
}

namespace {

const char* const recipeWords[] = {"pieces", "poids", "sel", "levure"};
const char* const baseWords[] = {"base", "t-farine", "t-fournil", "t-levain"};

// The field of `fields` whose word is `word`, where words[i] is the word of fields[i].
template <class Field, std::size_t N>
std::optional<Field> fieldNamed(QStringView word, const std::array<Field, N>& fields,
                                const char* const (&words)[N]) {
    for (std::size_t i = 0; i < N; ++i) {
        if (word == QLatin1String(words[i])) {
            return fields[i];
        }
    }
    return std::nullopt;
}

}  // namespace

QString recipeWord(RecipeField field) {
    return QString::fromLatin1(recipeWords[std::size_t(field)]);
}

std::optional<RecipeField> recipeFieldNamed(QStringView word) {
    return fieldNamed(word, recipeFields, recipeWords);
}

QString baseWord(BaseField field) {
    return QString::fromLatin1(baseWords[std::size_t(field)]);
}

QString baseColumn(BaseField field) {
    return baseWord(field).replace(u'-', u'_');
}

std::optional<BaseField> baseFieldNamed(QStringView word) {
    return fieldNamed(word, baseFields, baseWords);
}

QStringList settingColumns() {
    QStringList columns = {QStringLiteral("mode"), QStringLiteral("masse"),
                           QStringLiteral("unite1"), QStringLiteral("unite2")};
    for (RecipeField f : recipeFields) {
        columns << recipeWord(f);
    }
    for (BaseField f : baseFields) {
        columns << baseWord(f);
    }
    return columns;
}

}  // namespace fournil::calc

#include "notebook/entry_text.h"

#include "guidance/recipe_text.h"
#include "modes/modes.h"

namespace fournil {
namespace {

// What a typed box holds in the mode, as the sentence says it; null for a denominator.
const char16_t* meaning(const BoxNames& names, const QString& box) {
    const std::pair<const char*, const char16_t*> boxes[] = {{"Q1", names.q1},
                                                             {"H1", names.h1},
                                                             {"Q2", names.q2},
                                                             {"H2", names.h2},
                                                             {"EF(2)", names.ef2}};
    for (const auto& [name, said] : boxes) {
        if (box == QLatin1StringView(name)) {
            return said;
        }
    }
    return nullptr;
}

}  // namespace

QString calculationInWords(const KeptCalculation& c) {
    const ModeRow* row = findModeRow(c.mode);
    if (row == nullptr) {
        return {};
    }
    QStringList parts;
    for (const auto& [box, text] : c.texts) {
        const char16_t* said = meaning(row->names, box);
        if (said == nullptr && !parts.isEmpty()) {
            parts.back() += u'/' + text;  // a hydration typed as a fraction
        } else if (said != nullptr && *said != u'\0' && !text.isEmpty()) {
            parts << QString::fromUtf16(said) + u' ' + text;
        }
    }
    if (c.recipe) {
        parts << QStringLiteral("recette de %1 pâtons").arg(c.recipe->pieces);
    }
    return modeCaption(Mode(c.mode)) + QStringLiteral(" : ") + parts.join(QStringLiteral(", "));
}

QString proposedName(const KeptCalculation& c) {
    QString name = findModeRow(c.mode) != nullptr ? modeCaption(Mode(c.mode)) : QString();
    if (!c.texts.empty()) {
        name += u' ' + c.texts.front().second;
    }
    name = name.trimmed();
    if (!name.isEmpty()) {
        name[0] = name[0].toUpper();
    }
    return name;
}

}  // namespace fournil

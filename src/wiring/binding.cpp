#include "wiring/binding.h"

#include "engine/calcule.h"
#include "guidance/calculation_text.h"
#include "guidance/examples.h"
#include "guidance/help.h"
#include "inputs/fields.h"
#include "inputs/mode_selection.h"
#include "inputs/units.h"
#include "window/startup.h"

namespace fournil {
namespace {

using Plain = void (*)(Window&);
using Indexed = void (*)(Window&, std::int16_t);

struct Binding {
    QStringView name;
    Plain change = nullptr, click = nullptr, mouseMove = nullptr;
    Indexed changeAt = nullptr, clickAt = nullptr, mouseMoveAt = nullptr;
};

// clang-format off
const Binding bindings[] = {
    {u"Fournil",    nullptr,     nullptr,           Form_MouseMove},
    {u"Aide",       nullptr,     nullptr,           Aide_MouseMove},
    {u"Simulation", nullptr,     Simulation_Click,  Simulation_MouseMove},
    {u"Q1",         Q1_Change,   nullptr,           Q1_MouseMove},
    {u"Q2",         Q2_Change,   nullptr,           Q2_MouseMove},
    {u"H1",         H1_Change,   nullptr,           H1_MouseMove},
    {u"H2",         H2_Change,   nullptr,           H2_MouseMove},
    {u"H1d",        H1d_Change,  nullptr,           H1d_MouseMove},
    {u"H2d",        H2d_Change,  nullptr,           H2d_MouseMove},
    {u"EF",         nullptr,     nullptr,           nullptr, EF_Change, nullptr,       EF_MouseMove},
    {u"optionL",    nullptr,     nullptr,           nullptr, nullptr,   optionL_Click, optionL_MouseMove},
    {u"optionH",    nullptr,     nullptr,           nullptr, nullptr,   optionH_Click, optionH_MouseMove},
    {u"optionU",    nullptr,     nullptr,           nullptr, nullptr,   optionU_Click, optionU_MouseMove},
    {u"Phrase",     nullptr,     nullptr,           nullptr, nullptr,   nullptr,       Phrase_MouseMove},
};
// clang-format on

std::function<void()> handler(Window& w, Plain plain, Indexed indexed, int index) {
    if (plain != nullptr) {
        return [&w, plain] { plain(w); };
    }
    if (indexed != nullptr) {
        return [&w, indexed, index] { indexed(w, std::int16_t(index)); };
    }
    return {};
}

}  // namespace

void bindHandlers(Window& w, Platform& platform) {
    // The stored result texts need not agree with the stored inputs: one recalculation makes the
    // first window already show the answer to what it shows.
    // What a screen reader hears after an event: the answer, and the hydration in its four units
    // while the focus is on one.
    w.answerWords = [&w] { return answerInWords(w.answer); };
    w.spokenAnswer = [&w] {
        QString words = answerInWords(w.answer);
        // A fault is said alone: the hydration that caused it has no sense in other units, and
        // a second fault, said in the same words, would leave the first one's hydration heard.
        if (w.answer.fault) {
            return words;
        }
        if (auto* box = dynamic_cast<const TextBox*>(w.focus())) {
            const QString units = hydrationTooltip(w, *box);
            if (!units.isEmpty()) {
                words += QStringLiteral(". Hydratation : ") + units;
            }
        }
        return words;
    };
    w.onLoad = [&w, &platform] {
        Form_Load(w, platform);
        Calcule(w);
    };
    for (const Binding& b : bindings) {
        for (Control* c : w.controls()) {
            if (c->entry().name != b.name) {
                continue;
            }
            c->onMouseMove = handler(w, b.mouseMove, b.mouseMoveAt, c->index());
            if (c->kind() == Kind::TextBox) {
                static_cast<TextBox*>(c)->onChange = handler(w, b.change, b.changeAt, c->index());
            } else if (c->kind() == Kind::OptionButton) {
                static_cast<OptionButton*>(c)->onClick = handler(w, b.click, b.clickAt, c->index());
            } else if (c->kind() == Kind::Button) {
                static_cast<Button*>(c)->onClick = handler(w, b.click, b.clickAt, c->index());
            }
        }
    }
}

}  // namespace fournil

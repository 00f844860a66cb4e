#include "wiring/actions.h"

#include "engine/calcule.h"
#include "engine/numbers.h"
#include "engine/recipe.h"
#include "guidance/accessibility.h"
#include "guidance/calculation_text.h"
#include "guidance/base_text.h"
#include "guidance/recipe_text.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "window/window.h"
#include "wiring/base_apply.h"

#include <algorithm>
#include <cmath>

namespace fournil {
namespace {

// The text the person selected in a field (a Tab into it selects it all), or else the whole
// calculation as plain text; what start-up selects is there to be typed over, not copied.
void copy(Window& w) {
    const auto* box = dynamic_cast<const TextBox*>(w.focus());
    if (box != nullptr && box->selectedByUser()) {
        const int from = std::min(box->selStart(), box->selAnchor());
        w.setClipboard(box->text().mid(from, box->selLength()));
        w.announce(copiedAnnouncement(w.clipboard()));  // heard: the clipboard shows nothing
        return;
    }
    w.runHandler([&w] { w.setClipboard(calculationText(w)); });
    w.announce(copiedAnnouncement(QString()));
}

// The window as start-up leaves it, without starting again.
void newCalculation(Window& w) {
    w.runHandler([&w] {
        resetWindow(w);
        setStartSelections(w);
        Calcule(w);
        focusFirst(w);
    });
    // Said even when the answer is the one before, and said once.
    w.announce(newCalculationAnnouncement(w));
}

// The help of the focused control, as the mouse over it writes it.
void help(Window& w) {
    Control* focus = w.focus();
    if (focus != nullptr && focus->reachable()) {
        w.runHandler(focus->onMouseMove);
        w.announce(w.Aide.caption());  // heard, not only shown at the bottom of the window
    }
}

void undo(Window& w) {
    w.history().undo();
}
void redo(Window& w) {
    w.history().redo();
}
bool canUndo(const Window& w) {
    return w.history().canUndo();
}
bool canRedo(const Window& w) {
    return w.history().canRedo();
}
bool canMakeRecipe(const Window& w) {
    return recipeApplies(w);
}
bool canWorkOutBase(const Window& w) {
    return baseApplies(w);
}

// clang-format off
using K = StandardKey;
using V = ViewActions;
const Action table[] = {
    {ActionId::Undo,           u"undo",           u"&Annuler",         {u"Ctrl+Z"},                  {K::Undo}, canUndo, undo},
    {ActionId::Redo,           u"redo",           u"&Rétablir",        {u"Ctrl+Shift+Z", u"Ctrl+Y"}, {K::Redo}, canRedo, redo},
    {ActionId::Copy,           u"copy",           u"&Copier le calcul", {u"Ctrl+C"}, {K::Copy}, nullptr, copy, nullptr, true},
    {ActionId::NewCalculation, u"newCalculation", u"&Nouveau calcul",  {u"Ctrl+N"}, {K::New},  nullptr, newCalculation},
    {ActionId::Resume,         u"resume",         u"Re&prendre le dernier calcul", {}, {}, nullptr, nullptr, &V::resume},
    {ActionId::Recipe,         u"recipe",         u"R&ecette complète…", {u"Ctrl+R"}, {}, canMakeRecipe, nullptr, &V::openRecipe},
    {ActionId::BaseTemperature, u"baseTemperature", u"Température de &base…", {u"Ctrl+B"}, {}, canWorkOutBase, nullptr, &V::openBaseTemperature},
    {ActionId::SaveToNotebook, u"saveToNotebook", u"Enregistrer dans le carnet…", {u"Ctrl+S"}, {}, nullptr, nullptr, &V::saveToNotebook, true},
    {ActionId::OpenNotebook,   u"openNotebook",   u"Carnet…",          {u"Ctrl+O"}, {},        nullptr, nullptr, &V::openNotebook},
    {ActionId::Print,          u"print",          u"&Imprimer…",       {u"Ctrl+P"}, {K::Print}, nullptr, nullptr, &V::print},
    {ActionId::ZoomIn,         u"zoomIn",         u"A&grandir",        {u"Ctrl++", u"Ctrl+="}, {K::ZoomIn}, nullptr, nullptr, &V::zoomIn, true},
    {ActionId::ZoomOut,        u"zoomOut",        u"Ré&duire",         {u"Ctrl+-"}, {K::ZoomOut}, nullptr, nullptr, &V::zoomOut},
    {ActionId::ZoomReset,      u"zoomReset",      u"&Taille normale",  {u"Ctrl+0"}, {},        nullptr, nullptr, &V::zoomReset},
    {ActionId::About,          u"about",          u"À propos de &Fournil", {},      {},        nullptr, nullptr, &V::about, true},
    {ActionId::AboutQt,        u"aboutQt",        u"À propos de &Qt",  {},          {},        nullptr, nullptr, &V::aboutQt},
    {ActionId::Close,          u"close",          u"Q&uitter",         {u"Ctrl+Q", u"Ctrl+W"}, {K::Quit, K::Close}, nullptr, nullptr, &V::closeWindow, true},
    {ActionId::Help,           u"help",           nullptr,             {u"F1"},     {K::Help}, nullptr, help},
    // The window's menu from the keyboard, at the focused control.
    {ActionId::Menu,           u"menu",           nullptr,             {u"Shift+F10", u"Menu"}, {}, nullptr, nullptr, &V::windowMenu},
};
// clang-format on

}  // namespace

std::span<const Action> actions() {
    return table;
}

const Action& action(ActionId id) {
    return *std::find_if(std::begin(table), std::end(table),
                         [id](const Action& a) { return a.id == id; });
}

bool actionEnabled(const Window& w, const Action& a) {
    return a.enabled == nullptr || a.enabled(w);
}

QString whyDisabled(const Window& w, const Action& a) {
    if (actionEnabled(w, a)) {
        return {};
    }
    if (a.id == ActionId::Recipe) {
        return recipeUnavailableReason();
    }
    if (a.id == ActionId::BaseTemperature) {
        return baseUnavailableReason();
    }
    return {};
}

void runAction(Window& w, const Action& a) {
    // A key that does nothing (Ctrl+Z with nothing to undo) leaves a run of typing whole, as the
    // view, which never triggers a disabled action, leaves it; one that says why is heard.
    if (!actionEnabled(w, a)) {
        if (const QString why = whyDisabled(w, a); !why.isEmpty()) {
            const UserEventScope event(w, UserEventScope::Kind::Passive);
            w.announce(why);
        }
        return;
    }
    if (a.run == nullptr) {
        return;
    }
    const UserEventScope event(w, UserEventScope::Kind::Command);
    a.run(w);
}

}  // namespace fournil

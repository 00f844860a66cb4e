#include "guidance/help.h"

#include "modes/modes.h"

namespace fournil {
namespace {

const QString temperatureText = QStringLiteral(
    "Entrez dans l'ordre: la température désirée, la température d'eau chaude, puis celle d'eau "
    "froide, pour éviter les incohérences.");

const QString hydrationText = QStringLiteral(
    "Entrez la valeur de l'hydratation en fonction d'une des 4 unités d'hydratation:\n"
    "% dans la pâte ou % de la quantité de farine,\n"
    "fraction dans la pâte ou fraction de la quantité de farine");

const QString unitText = QStringLiteral(
    "Il n'y a en fait aucune différence selon les unités, mais, comme tous les calculs sont "
    "arrondis, évitez les décimales: par exemple, préférez 1200 gr à 1.2 kg.");

// The help of each hydration unit; both groups share them.
const QString unitTexts[] = {
    QStringLiteral("Donnez le pourcentage d'eau dans la pâte: par exemple, un levain liquide "
                   "contient 50% d'eau."),
    QStringLiteral("Donnez l'hydratation en pourcentage du poids de farine: par exemple, une pâte "
                   "hydratée à 60 contiendra en eau 60% du poids de la farine."),
    QStringLiteral("Donnez la fraction d'eau dans la pâte: par exemple 2/5 d'eau (il y aura donc "
                   "3/5 de farine) ce qui est équivalent à '2 mesures d'eau pour trois de "
                   "farine'."),
    QStringLiteral("Donnez la fraction d'eau par rapport à la quantité de farine: par exemple 2/3 "
                   "du poids de la farine."),
};

void help(Window& w, const QString& text) {
    w.Aide.setCaption(text);
}

}  // namespace

void Form_MouseMove(Window& w) {
    help(w, QStringLiteral("Laissez trainer la souris aux endroits ou vous avez besoin d'aide"));
}

void Aide_MouseMove(Window& w) {
    help(w, QStringLiteral("Vous êtes dans la fenêtre d'aide, laissez traîner votre souris aux "
                           "endroits où vous avez besoin d'aide"));
}

void Simulation_MouseMove(Window& w) {
    help(w, QStringLiteral("Vous devez cliquer sur le type de calcul choisi (Pâte ou Levain) et "
                           "l'appui sur le bouton \"simulation\" effectuera le calcul cité en "
                           "exemple (quand vous passez la souris sur \"proportion eau/farine\", "
                           "\"hydratation d'une pâte\" etc)."));
}

void optionL_MouseMove(Window& w, std::int16_t Index) {
    for (const ModeRow& row : modeRows()) {
        if (int(row.mode) == Index) {
            help(w, QString::fromUtf16(row.help));
        }
    }
}

void optionH_MouseMove(Window& w, std::int16_t Index) {
    if (Index >= 1 && Index <= 8) {
        help(w, unitTexts[(Index - 1) % 4]);
    }
}

void optionU_MouseMove(Window& w, std::int16_t Index) {
    if (Index >= 1 && Index <= 3) {
        help(w, unitText);
    }
    if (Index == 3) {
        help(w, w.Aide.caption() + u'\n' + QStringLiteral("option l/kg: en litre pour l'eau."));
    }
}

void Q1_MouseMove(Window& w) {
    help(w, QStringLiteral("Entrez la quantité désirée"));
}

void Q2_MouseMove(Window& w) {
    // A result box asks for nothing.
    if (!w.Q2.enabled()) {
        return;
    }
    const ModeRow* mode = selectedModes(w).first();
    help(w, mode != nullptr ? QString::fromUtf16(mode->q2Help)
                            : QStringLiteral("Entrez la quantité de levain"));
}

void EF_MouseMove(Window& w, std::int16_t /*Index*/) {
    help(w, temperatureText);
}

void H1_MouseMove(Window& w) {
    help(w, selectedModes(w).any(&ModeRow::temperatures) ? temperatureText : hydrationText);
}

void H2_MouseMove(Window& w) {
    H1_MouseMove(w);
}

void H1d_MouseMove(Window& w) {
    help(w, hydrationText);
}

void H2d_MouseMove(Window& w) {
    help(w, hydrationText);
}

void Phrase_MouseMove(Window& w, std::int16_t Index) {
    if (Index <= 5) {
        return;
    }
    const ModeRow* mode = selectedModes(w).first();
    if (mode != nullptr && mode->correctionHelp != nullptr) {
        help(w, QString::fromUtf16(mode->correctionHelp));
    }
}

}  // namespace fournil

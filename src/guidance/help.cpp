#include "guidance/help.h"

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

// The help of each mode button, by index.
const QString modeTexts[] = {
    QStringLiteral("Calcule la quantité d'eau et de farine d'une pâte. Par exemple pour connaître "
                   "la proportion d'eau et de farine pour 1.2 Kg de pâte hydratée à 70."),
    QStringLiteral("A partir d'une quantité de farine, calcule la quantité d'eau nécessaire pour "
                   "ajuster l'hydratation d'une pâte. Par exemple pour connaître la quantité "
                   "d'eau à ajouter pour 650gr de farine afin d'avoir une pâte hydraté à 65."),
    QStringLiteral("Calcule les quantités d'eau chaude et d'eau froide nécessaires à l'obtention "
                   "d'une température d'eau de coulage. Par exemple pour obtenir 32 litres d'eau "
                   "à 26° à partir d'eau chaude à 72° et d'eau froide à 13°."),
    QStringLiteral("Calcule la quantité d'eau ou de farine nécessaire pour ajuster l'hydratation "
                   "d'un levain. Par exemple pour connaître la quantité de farine à ajouter avec "
                   "1500gr de levain liquide (50-50) dans une pâte hydratée à 68 (ou pour "
                   "l'hydrater à 68)."),
    QStringLiteral("Calcule la quantité d'eau ou de farine nécessaire pour obtenir un levain à "
                   "partir d'un levain d'hydratation différente. Par exemple pour adapter une "
                   "recette qui nécessite 3500gr de levain dur (66) avec un levain "
                   "liquide(50-50)."),
    QStringLiteral("Calcule la quantité d'eau et de farine d'une pâte au levain: par exemple pour "
                   "connaître la proportion d'eau et de farine pour 1.2 Kg de pâte hydratée à 70 "
                   "contenant 150gr de levain hydraté à 100."),
};

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
    if (Index >= 1 && Index <= 6) {
        help(w, modeTexts[Index - 1]);
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
    help(w, w.optionL(2).selected() ? QStringLiteral("Entrez la quantité de farine")
                                    : QStringLiteral("Entrez la quantité de levain"));
}

void EF_MouseMove(Window& w, std::int16_t /*Index*/) {
    help(w, temperatureText);
}

void H1_MouseMove(Window& w) {
    help(w, w.optionL(3).selected() ? temperatureText : hydrationText);
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
    if (w.optionL(5).selected() || w.optionL(4).selected()) {
        help(w, QStringLiteral("La quantité de levain necessaire dépend de la température et de "
                               "la recette. La quantité de farine dans le levain peut représenter "
                               "entre 10% et 50% de la quantité de farine de la recette. Les "
                               "temps de levée seront majorés en conséquence."));
    } else if (w.optionL(2).selected()) {
        help(w, QStringLiteral("Pour connaître les proportions eau/farine selon l'hydratation "
                               "pour une quantité déterminée de pâte, prenez la première option: "
                               "\"proportions eau/farine\""));
    }
}

}  // namespace fournil

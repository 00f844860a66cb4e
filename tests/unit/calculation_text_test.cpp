#include "guidance/calculation_text.h"
#include "window/startup.h"
#include "window/user_events.h"
#include "wiring/binding.h"

#include <gtest/gtest.h>

#include "fake_platform.h"

#include "qstring_printer.h"

namespace fournil {
namespace {

// The calculation as a baker copies it, for the worked example of each mode, in French.
TEST(CalculationText, EachModeReadsAsItsSentence) {
    const char16_t* expected[] = {
        u"Pour obtenir 1200 gr de pâte hydraté à 70 % (/farine)\nil faut 706 gr de farine\n"
        u"et 494 gr d'eau\n"
        u"Hydratation : 41,2 % pâte · 70 % farine · fraction pâte 0,412 · fraction farine 0,7",
        u"Pour obtenir une pâte hydraté à 65 % (/farine)\nà partir de 650 gr de farine\n"
        u"il faut 423 gr d'eau\nPour une quantité de pâte de 1073 gr.\n"
        u"Hydratation : 39,4 % pâte · 65 % farine · fraction pâte 0,394 · fraction farine 0,65",
        u"Pour obtenir 32 l d'eau à 26 °C\nil faut 7 l d'eau chaude à 72 °C\n"
        u"et 25 l d'eau froide à 13 °C",
        u"Pour obtenir un levain hydraté à 68 % (/farine)\n"
        u"à partir de 1500 gr d'un levain hydraté à 50 % (/pâte)\nil faut 353 gr de farine\n"
        u"Correction d'une recette à la levure (hydratation en % farine)\n"
        u"Pour compenser le rajout de 1853 gr de levain qui a un taux d'hydratation de 68,\n"
        u"il faut retrancher: 1103 gr de farine\n750 gr d'eau\n"
        u"Hydratation : 40,5 % pâte · 68 % farine · fraction pâte 0,405 · fraction farine 0,68\n"
        u"Hydratation : 50 % pâte · 100 % farine · fraction pâte 0,5 · fraction farine 1",
        u"Pour obtenir 3500 gr de levain hydraté à 66 % (/farine)\n"
        u"il faut 2783 gr de levain hydraté à 50 % (/pâte)\net 717 gr de farine\n"
        u"Correction d'une recette à la levure (hydratation en % farine)\n"
        u"Pour compenser le rajout de 3500 gr de levain qui a un taux d'hydratation de 66,\n"
        u"il faut retrancher: 2108 gr de farine\n1392 gr d'eau\n"
        u"Hydratation : 39,8 % pâte · 66 % farine · fraction pâte 0,398 · fraction farine 0,66\n"
        u"Hydratation : 50 % pâte · 100 % farine · fraction pâte 0,5 · fraction farine 1",
        u"Pour obtenir 1200 gr de pâte hydraté à 70 % (/farine)\n"
        u"avec 150 gr de levain hydraté à 100 % (/farine)\nil faut 631 gr de farine et 419 gr "
        u"d'eau\n"
        u"Hydratation : 41,2 % pâte · 70 % farine · fraction pâte 0,412 · fraction farine 0,7\n"
        u"Hydratation : 50 % pâte · 100 % farine · fraction pâte 0,5 · fraction farine 1",
    };
    for (int mode = 1; mode <= 6; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        testing::OpenedWindow opened(QLocale(QLocale::French, QLocale::France));
        opened.workedExample(mode);
        const Window& w = opened.w;
        EXPECT_EQ(calculationText(w), QString::fromUtf16(expected[mode - 1]));
    }
}

TEST(CalculationText, AFaultSaysSoAndFractionsReadAsFractions) {
    testing::OpenedWindow opened;
    Window& w = opened.w;
    userClick(w.optionH(3));
    userPaste(w.H1, QStringLiteral("2"));
    userPaste(w.H1d, QStringLiteral("5"));
    EXPECT_TRUE(calculationText(w).startsWith(
        QStringLiteral("Pour obtenir 1200 gr de pâte hydraté à 2/5 d'eau\n")));
    EXPECT_EQ(
        hydrationInFourUnits(w, 0.4f),
        QStringLiteral("40 % pâte · 66.7 % farine · fraction pâte 0.4 · fraction farine 0.667"));
    EXPECT_EQ(hydrationInFourUnits(w, 1.0f),
              QStringLiteral("100 % pâte · — % farine · fraction pâte 1 · fraction farine —"));
    userClick(w.optionH(4));
    userPaste(w.H1d, QStringLiteral("-2"));
    EXPECT_EQ(calculationText(w), QStringLiteral("Calcul impossible avec ces valeurs"));
}

}  // namespace
}  // namespace fournil

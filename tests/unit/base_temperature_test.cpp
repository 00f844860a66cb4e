// The water's temperature from the base temperature: the rule, its checks in both locales, and
// the command line that types its result into the temperature mode.

#include "inputs/base_temperature.h"
#include "calc/command.h"
#include "fake_platform.h"
#include "guidance/base_text.h"
#include "guidance/calculation_text.h"
#include "window/user_events.h"
#include "wiring/actions.h"
#include "wiring/base_apply.h"
#include "wiring/last_calculation.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace fournil {
namespace {

TEST(BaseTemperature, TheRuleAndItsChecks) {
    struct Row {
        const char* locale;
        const char* base;
        const char* flour;
        const char* room;
        const char* levain;
        double water;       // -1: refused
        BaseField refused;  // the field said to be wrong
    };
    const Row rows[] = {
        {"C", "60", "20", "22", "", 18, {}},
        {"C", "75", "20", "22", "24", 9, {}},         // a levain's temperature counts too
        {"fr_FR", "60,5", "20", "22", "", 18.5, {}},  // the locale's mark
        {"fr_FR", "60.5", "20", "22", "", 18.5, {}},  // and the other
        {"C", "60,5", "20", "22", "", 18.5, {}},
        {"C", "54,3", "20.05", "22", "", 12.3, {}},  // a tenth is enough for water
        {"C", "", "20", "22", "", -1, BaseField::Base},
        {"C", "200", "20", "22", "", -1, BaseField::Base},
        {"C", "60", "abc", "22", "", -1, BaseField::Flour},
        {"C", "60", "20", "90", "", -1, BaseField::Bakehouse},
        {"C", "60", "20", "22", "1e3", -1, BaseField::Levain},
        {"C", "40", "20", "22", "", -1, BaseField::Base},  // water below freezing
        {"C", "150", "-5", "0", "", -1, BaseField::Base},  // water past boiling
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.locale) + " " + row.base + " " + row.flour + " " + row.room +
                     " " + row.levain);
        const QLocale locale(QString::fromLatin1(row.locale));
        BaseRequest request;
        request[BaseField::Base] = QString::fromLatin1(row.base);
        request[BaseField::Flour] = QString::fromLatin1(row.flour);
        request[BaseField::Bakehouse] = QString::fromLatin1(row.room);
        request[BaseField::Levain] = QString::fromLatin1(row.levain);
        const BaseCheck check = checkBase(request, locale);
        if (row.water < 0) {
            EXPECT_FALSE(check.result);
            EXPECT_FALSE(check.problem(row.refused).isEmpty());
            continue;
        }
        ASSERT_TRUE(check.result);
        EXPECT_DOUBLE_EQ(check.result->water, row.water);
        // The sum as written adds up: base = water + every term.
        double sum = check.result->water;
        for (std::size_t i = 1; i < baseFields.size(); ++i) {
            sum += check.result->terms[i].value_or(0);
        }
        EXPECT_NEAR(sum, *check.result->terms[0], 0.05 + 1e-9);  // within the rounding to a tenth
    }
    // Water outside the mix of the hot and cold water is said plainly.
    const BaseTemperature cold{{40, 20, 15, std::nullopt}, 5};
    EXPECT_EQ(baseAgainstMix(cold, 60, 10, QLocale::c()),
              QStringLiteral("L'eau à 5 °C serait plus froide que l'eau froide (10 °C)."));
    EXPECT_TRUE(baseAgainstMix({{60, 20, 22, std::nullopt}, 18}, 60, 10, QLocale::c()).isEmpty());
}

struct Outcome {
    int status;
    QString out, err;
};

Outcome command(const QStringList& arguments) {
    QByteArray out, err;
    calc::Streams io;
    io.out = [&](const QByteArray& b) {
        out += b;
        return true;
    };
    io.err = [&](const QByteArray& b) { err += b; };
    const int status = calc::runCommand(arguments, io, QLocale(u"fr_FR"));
    return {status, QString::fromUtf8(out), QString::fromUtf8(err)};
}

TEST(BaseTemperature, OnTheCommandLine) {
    const QStringList base = {QStringLiteral("--mode"),
                              QStringLiteral("3"),
                              QStringLiteral("--base"),
                              QStringLiteral("60,5"),
                              QStringLiteral("--t-farine"),
                              QStringLiteral("20"),
                              QStringLiteral("--t-fournil"),
                              QStringLiteral("22"),
                              QStringLiteral("eau=1000"),
                              QStringLiteral("temperature-chaude=60"),
                              QStringLiteral("temperature-froide=10")};
    const Outcome text = command(base);
    EXPECT_EQ(text.status, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.startsWith(u"Pour obtenir 1000 gr d'eau à 18,5 °C"))
        << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(
        u"Température de base 60,5 °C : eau 18,5 °C = 60,5 − farine 20 − fournil 22"));

    const Outcome json =
        command(base + QStringList{QStringLiteral("--format"), QStringLiteral("json")});
    const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8()).object();
    EXPECT_EQ(o[u"temperature_de_base"].toObject()[u"eau"].toDouble(), 18.5);
    EXPECT_EQ(o[u"temperature_de_base"].toObject()[u"base"].toDouble(), 60.5);

    const Outcome csv =
        command(base + QStringList{QStringLiteral("--format"), QStringLiteral("csv")});
    EXPECT_TRUE(csv.out.startsWith(u"mode,masse,unite1,unite2,base,t_farine,t_fournil,t_levain,"));
    EXPECT_TRUE(csv.out.contains(u"\r\n3,gr,,,\"60,5\",20,22,,1000,\"18,5\","));

    // Elsewhere than the temperature mode, the base says why it does not apply.
    const Outcome elsewhere = command({QStringLiteral("--mode"), QStringLiteral("1"),
                                       QStringLiteral("--base"), QStringLiteral("60")});
    EXPECT_EQ(elsewhere.status, 2);
    EXPECT_TRUE(elsewhere.err.contains(u"ne servent qu'au mode 3"));
}

// In the window: applied, the water is typed into the target temperature in one step to undo,
// the copy carries the sum while the target is still that water, and the mix follows.
TEST(BaseTemperature, AppliedInTheWindow) {
    testing::OpenedWindow opened;
    Window& w = opened.w;
    BaseRequest request;
    request.texts = {QStringLiteral("60"), QStringLiteral("20"), QStringLiteral("22"), QString()};
    opened.workedExample(1);
    EXPECT_FALSE(baseApplies(w));
    applyBaseTemperature(w, request);  // not the temperature mode: nothing happens
    EXPECT_FALSE(w.baseTerms());

    opened.workedExample(3);  // 32 l at 26 °C from 72 °C and 13 °C
    const QString before = w.H1.text();
    ASSERT_TRUE(applyBaseTemperature(w, request).result);
    EXPECT_EQ(w.H1.text(), QStringLiteral("18"));
    EXPECT_TRUE(calculationText(w).contains(
        u"Température de base 60 °C : eau 18 °C = 60 − farine 20 − fournil 22"));
    // The hot and cold water followed: they mix to the new temperature.
    const double hot = *w.answer[AnswerBox::Q2].number, cold = *w.answer[AnswerBox::EF1].number;
    EXPECT_NEAR((hot * 72 + cold * 13) / (hot + cold), 18, 1.0);  // whole litres

    runAction(w, action(ActionId::Undo));
    EXPECT_EQ(w.H1.text(), before);
    EXPECT_FALSE(w.baseTerms());
    runAction(w, action(ActionId::Redo));
    EXPECT_EQ(w.H1.text(), QStringLiteral("18"));

    // Kept with the calculation: resumed elsewhere, the sum comes back with its terms.
    const QByteArray kept = saveCalculation(w);
    testing::OpenedWindow elsewhere;
    ASSERT_TRUE(resumeCalculation(elsewhere.w, kept));
    EXPECT_EQ(elsewhere.w.baseTerms(), w.baseTerms());
    EXPECT_EQ(calculationText(elsewhere.w), calculationText(w));
    // Kept terms that are not four texts are left out, not the calculation.
    QByteArray threeTerms = kept;
    threeTerms.replace("\"22\",", "");
    testing::OpenedWindow third;
    ASSERT_TRUE(resumeCalculation(third.w, threeTerms)) << threeTerms.toStdString();
    EXPECT_FALSE(third.w.baseTerms());
    // A new calculation starts without them.
    runAction(elsewhere.w, action(ActionId::NewCalculation));
    EXPECT_FALSE(elsewhere.w.baseTerms());

    // Another target typed: the sum no longer says where the water comes from.
    userPaste(w.H1, QStringLiteral("25"));
    EXPECT_FALSE(calculationText(w).contains(u"Température de base"));
}

}  // namespace
}  // namespace fournil

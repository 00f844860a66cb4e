// The command line: the six worked examples as text and JSON, its errors and repairs, a CSV file
// with a bad row, and random calculations that must read as the window model says.

#include "calc/calculator.h"
#include "calc/command.h"
#include "calc/formats.h"
#include "engine/numbers.h"

#include "guidance/calculation_text.h"
#include "session.h"
#include "user_event_generator.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include "qstring_printer.h"

#include <map>
#include <random>

namespace fournil::calc {
namespace {

struct Outcome {
    int status = 0;
    QString out, err;
};

Outcome run(const QStringList& arguments, const QLocale& locale = QLocale::c(),
            const std::map<QString, QByteArray>& files = {}) {
    QByteArray out, err;
    Streams io;
    io.out = [&](const QByteArray& b) {
        out += b;
        return true;
    };
    io.err = [&](const QByteArray& b) { err += b; };
    io.open = [&](const QString& path, QString& why) -> std::unique_ptr<Input> {
        const auto it = files.find(path);
        if (it == files.end()) {
            why = QStringLiteral("fichier introuvable");
            return nullptr;
        }
        return bytesInput(it->second, 7);  // a few bytes at a time, as a slow pipe gives them
    };
    const int status = runCommand(arguments, io, locale);
    return {status, QString::fromUtf8(out), QString::fromUtf8(err)};
}

QStringList words(const char* line) {
    return QString::fromUtf8(line).split(u' ', Qt::SkipEmptyParts);
}

struct Example {
    const char* arguments;
    const char* text;
};

// The worked examples of the six modes, stated in their own units.
const Example examples[] = {
    {"--mode 1 pate=1200 hydratation=70",
     "Pour obtenir 1200 gr de pâte hydraté à 70 % (/farine)\n"
     "il faut 706 gr de farine\n"
     "et 494 gr d'eau\n"
     "Hydratation : 41.2 % pâte · 70 % farine · fraction pâte 0.412 · fraction farine 0.7\n"},
    {"--mode 2 farine=650 hydratation=65",
     "Pour obtenir une pâte hydraté à 65 % (/farine)\n"
     "à partir de 650 gr de farine\n"
     "il faut 423 gr d'eau\n"
     "Pour une quantité de pâte de 1073 gr.\n"
     "Hydratation : 39.4 % pâte · 65 % farine · fraction pâte 0.394 · fraction farine 0.65\n"},
    {"--mode 3 --masse l/kg eau=32 temperature=26 temperature-chaude=72 temperature-froide=13",
     "Pour obtenir 32 l d'eau à 26 °C\n"
     "il faut 7 l d'eau chaude à 72 °C\n"
     "et 25 l d'eau froide à 13 °C\n"},
    {"--mode 4 --unite1 farine --unite2 pate levain=1500 hydratation=68 hydratation-levain=50",
     "Pour obtenir un levain hydraté à 68 % (/farine)\n"
     "à partir de 1500 gr d'un levain hydraté à 50 % (/pâte)\n"
     "il faut 353 gr de farine\n"
     "Correction d'une recette à la levure (hydratation en % farine)\n"
     "Pour compenser le rajout de 1853 gr de levain qui a un taux d'hydratation de 68,\n"
     "il faut retrancher: 1103 gr de farine\n"
     "750 gr d'eau\n"
     "Hydratation : 40.5 % pâte · 68 % farine · fraction pâte 0.405 · fraction farine 0.68\n"
     "Hydratation : 50 % pâte · 100 % farine · fraction pâte 0.5 · fraction farine 1\n"},
    {"--mode 5 --unite2 pate levain-voulu=3500 hydratation=66 hydratation-levain=50",
     "Pour obtenir 3500 gr de levain hydraté à 66 % (/farine)\n"
     "il faut 2783 gr de levain hydraté à 50 % (/pâte)\n"
     "et 717 gr de farine\n"
     "Correction d'une recette à la levure (hydratation en % farine)\n"
     "Pour compenser le rajout de 3500 gr de levain qui a un taux d'hydratation de 66,\n"
     "il faut retrancher: 2108 gr de farine\n"
     "1392 gr d'eau\n"
     "Hydratation : 39.8 % pâte · 66 % farine · fraction pâte 0.398 · fraction farine 0.66\n"
     "Hydratation : 50 % pâte · 100 % farine · fraction pâte 0.5 · fraction farine 1\n"},
    {"--mode 6 --unite2 farine pate=1200 hydratation=70 levain=150 hydratation-levain=100",
     "Pour obtenir 1200 gr de pâte hydraté à 70 % (/farine)\n"
     "avec 150 gr de levain hydraté à 100 % (/farine)\n"
     "il faut 631 gr de farine et 419 gr d'eau\n"
     "Hydratation : 41.2 % pâte · 70 % farine · fraction pâte 0.412 · fraction farine 0.7\n"
     "Hydratation : 50 % pâte · 100 % farine · fraction pâte 0.5 · fraction farine 1\n"},
};

TEST(Command, EveryWorkedExampleAsTextAndJson) {
    for (const Example& example : examples) {
        SCOPED_TRACE(example.arguments);
        const Outcome text = run(words(example.arguments));
        EXPECT_EQ(text.status, 0);
        EXPECT_EQ(text.out, QString::fromUtf8(example.text));
        EXPECT_EQ(text.err, QString());

        const Outcome json = run(words(example.arguments) << QStringLiteral("--format=json"));
        ASSERT_EQ(json.status, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << json.out.toStdString();
        EXPECT_EQ(o[u"mode"].toInt(), words(example.arguments)[1].toInt());
        EXPECT_TRUE(o[u"erreur"].isNull());
        EXPECT_EQ(o[u"texte"].toString() + u'\n', text.out);
        // Every box given is there with the text typed; every result is named in the text.
        for (const QJsonValue& value : o[u"cases"].toArray()) {
            const QJsonObject box = value.toObject();
            const QString given = box[u"nom"].toString() + u'=' + box[u"texte"].toString();
            EXPECT_EQ(box[u"resultat"].toBool(), !words(example.arguments).contains(given))
                << given.toStdString();
            EXPECT_TRUE(text.out.contains(box[u"texte"].toString()));
            EXPECT_DOUBLE_EQ(box[u"nombre"].toDouble(), box[u"texte"].toString().toDouble());
        }
        EXPECT_EQ(o[u"correction"].isNull(), !text.out.contains(u"Correction"));
    }
    // Numbers read and written by the locale, as the window does.
    const Outcome french = run(words("--mode 1 pate=1200 hydratation=70,5"), QLocale(u"fr_FR"));
    EXPECT_TRUE(french.out.contains(u"il faut 704 gr de farine\net 496 gr d'eau"))
        << french.out.toStdString();
    EXPECT_EQ(run(words("--locale fr_FR --mode 1 hydratation=70,5")).out, french.out);
}

TEST(Command, ErrorsAndRepairs) {
    struct Row {
        const char* arguments;
        int status;
        const char* err;  // a part of what stderr says
    };
    const Row rows[] = {
        {"--mode 7", 2, "mode inconnu « 7 » ; les modes sont : 1 (proportions eau/farine)"},
        {"--mode deux", 2, "mode inconnu « deux »"},
        {"pate=1200", 2, "--mode N manque"},
        {"--mode", 2, "--mode attend une valeur"},
        {"--mode 1 --bogus", 2, "option inconnue « --bogus » ; les options sont : --mode,"},
        {"--mode 1 --masse lb", 2,
         "unité de masse inconnue « lb » ; les unités sont : gr, kg, l/kg"},
        {"--mode 1 --unite1 litre", 2, "les unités sont : pate, farine, fraction-pate"},
        {"--mode 3 --unite1 pate", 2, "--unite1 pate : ce mode n'a pas cette unité"},
        {"--mode 1 --format xml", 2, "format inconnu « xml »"},
        {"--mode 1 sel=2", 2,
         "nom inconnu « sel » pour le mode 1 ; les noms sont : pate, hydratation"},
        {"--mode 1 farine=3", 2, "« farine » est un résultat du mode 1 ; les valeurs à donner"},
        {"--mode 1 denominateur=3", 2, "ne sert qu'à une hydratation tapée en fraction"},
        {"--mode 1 1200", 2, "« 1200 » n'est ni une option ni NOM=VALEUR"},
        {"--mode 1 --pieces 0 --poids 250", 2, "--pieces « 0 » : un nombre entier de 1 à 10000"},
        {"--mode 1 --pieces 2.5 --poids 250", 2, "--pieces « 2.5 »"},
        {"--mode 1 --pieces 6", 2, "--poids manque"},
        {"--mode 1 --poids -3", 2, "--poids « -3 » : un poids plus grand que 0"},
        {"--mode 1 --poids 250 --sel 25", 2, "--sel « 25 » : un pourcentage de 0 à 20"},
        {"--mode 3 --poids 250", 2, "la recette (pieces, poids, sel, levure) : La recette"},
        // What the window would repair is refused, unless the repairs are asked for.
        {"--mode 1 pate=12a", 2, "pate « 12a » n'est pas un nombre avec un point ; 70.5"},
        {"--mode 1 pate=1e3", 2, "pate « 1e3 » n'est pas un nombre"},
        {"--mode 1 hydratation=12345", 2, "hydratation « 12345 » est hors de ce que la case garde"},
        {"--mode 1 --reparer pate=12a", 0, "Q1 : « 12a » remplacé par « 0 »"},
        {"--mode 1 --reparer hydratation=12345", 0, "H1 : « 12345 » remplacé par « 1234 »"},
        {"--mode 3 --reparer temperature-chaude=172", 0, "H2 : « 172 » remplacé par « 100 »"},
        {"--locale xx_YY --mode 1", 2, "langue inconnue « xx_YY » ; les langues connues sont : C"},
        {"--locale fr_XX --mode 1", 2, "langue inconnue « fr_XX »"},
        {"--csv absent.csv", 2, "impossible de lire « absent.csv » : fichier introuvable"},
        {"--mode 1 Q1=1200", 0, ""},  // a box's own name
        {"--mode 3 EF(2)=13 ef2=14", 0, ""},
        {"--mode 1 --unite1 fraction-farine hydratation=2 denominateur=-2", 3, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.arguments);
        const Outcome r = run(words(row.arguments));
        EXPECT_EQ(r.status, row.status);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.err))) << r.err.toStdString();
        if (row.status == 2) {
            EXPECT_EQ(r.out, QString());
        }
    }
    EXPECT_EQ(run(words("--mode 1 --unite1 fraction-farine hydratation=2 denominateur=-2")).out,
              QStringLiteral("Calcul impossible avec ces valeurs\n"));
    const Outcome help = run(words("--help --mode 4"));
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.contains(u"Mode 4 : modification d'un levain"));
    EXPECT_TRUE(help.out.contains(u"hydratation-levain"));
    EXPECT_FALSE(help.out.contains(u"Mode 1 :"));
    EXPECT_TRUE(run(words("--version")).out.startsWith(u"fournil-calc "));
}

// The recipe of 6 pieces of 250 g around modes 1 and 6, in JSON and as CSV columns.
TEST(Command, TheRecipeTableInJsonAndCsv) {
    const char* const requests[] = {
        "--mode 1 --pieces 6 --poids 250 --sel 2 --levure 0.5",
        "--mode 6 --unite2 farine levain=150 hydratation-levain=100 --pieces 6 --poids 250 "
        "--sel 2 --levure 0.5"};
    for (const char* request : requests) {
        SCOPED_TRACE(request);
        const Outcome json = run(words(request) << QStringLiteral("--format=json"));
        ASSERT_EQ(json.status, 0) << json.err.toStdString();
        const QJsonObject recipe =
            QJsonDocument::fromJson(json.out.toUtf8()).object()[u"recette"].toObject();
        EXPECT_EQ(recipe[u"pieces"].toInt(), 6);
        EXPECT_EQ(recipe[u"total"].toDouble(), 1500);
        EXPECT_EQ(recipe[u"poids_piece"].toDouble(), 250);
        double sum = 0;
        for (const QJsonValue& v : recipe[u"ingredients"].toArray()) {
            const QJsonObject row = v.toObject();
            if (!row[u"dans_le_levain"].toBool()) {
                sum += row[u"masse"].toDouble();
            }
        }
        EXPECT_EQ(sum, 1500);
        EXPECT_NEAR(recipe[u"hydratation_farine"].toDouble(), 70, 0.1);

        const Outcome csv = run(words(request) << QStringLiteral("--format=csv"));
        const QStringList lines = csv.out.split(QStringLiteral("\r\n"));
        const qsizetype total = lines[0].split(u',').indexOf(QStringLiteral("recette_total"));
        ASSERT_GT(total, 0);
        EXPECT_EQ(lines[1].split(u',')[total], QStringLiteral("1500"));
        EXPECT_TRUE(run(words(request)).out.contains(u"Recette : 6 pâtons de 250 gr\n"));
    }
}

TEST(Command, ABatchGoesOnPastABadRow) {
    // A BOM, CRLF endings, quoted fields (a comma inside one), a row with too few fields, an
    // unknown mode, and a field over two lines that moves the later line numbers.
    const QByteArray csv =
        "\xEF\xBB\xBFmode,masse,pate,hydratation,note_levain\r\n"
        "1,,1200,70,\r\n"
        "1,gr,\"1200\",\"70,5\",\r\n"
        "1,gr\r\n"
        "9,,1,2,\r\n"
        "6,,1200,\"7\n0\",\r\n"
        "2,,,65,\r\n";
    // "note_levain" names nothing: the whole file is refused before any row.
    const Outcome refused =
        run(words("--csv in.csv"), QLocale::c(), {{QStringLiteral("in.csv"), csv}});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(refused.err.contains(u"colonne inconnue « note_levain »"));

    QByteArray good = csv;
    good.replace("note_levain", "levain");
    const Outcome r =
        run(words("--csv in.csv"), QLocale(u"fr_FR"), {{QStringLiteral("in.csv"), good}});
    EXPECT_EQ(r.status, 3);  // rows in error
    const QStringList lines = r.out.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 8) << r.out.toStdString();  // a header, six rows, the last CRLF
    EXPECT_TRUE(lines[0].startsWith(u"mode,masse,pate,hydratation,levain,Q1,H1"));
    EXPECT_TRUE(lines[1].startsWith(u"1,,1200,70,,1200,70,,706,"));
    EXPECT_TRUE(lines[2].startsWith(u"1,gr,1200,\"70,5\",,1200,\"70,5\",,704,"))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].endsWith(u",ligne 4 : 2 champs au lieu de 5"));
    EXPECT_TRUE(lines[4].contains(u"ligne 5 : mode inconnu « 9 »"));
    EXPECT_TRUE(lines[5].contains(u"7\n0")) << lines[5].toStdString();  // kept as it came
    EXPECT_TRUE(
        lines[5].contains(u"ligne 6 : hydratation « 7\n0 » n'est pas un nombre en français"));
    EXPECT_TRUE(lines[6].startsWith(u"2,,,65,,,65,,706,,,459,eau,")) << lines[6].toStdString();
    EXPECT_TRUE(r.err.contains(u"3 ligne(s) en erreur sur 6"));
    // Every answered row has as many fields as the header.
    EXPECT_EQ(lines[1].count(u','), lines[0].count(u',') + 1);  // "70,5" is not quoted in C…
}

// Random calculations given to the command line and played by a person on the window model
// through the scenario driver's session: the same text, in C and in French.
TEST(Command, AnswersAsTheWindowModelDoes) {
    std::mt19937 random(20261209);
    const auto pick = [&](int n) { return int(random() % std::uint32_t(n)); };
    const QStringList& edges = events::edgeTexts();
    int compared = 0;
    for (const char* localeName : {"C", "fr_FR"}) {
        const QLocale locale = *localeNamed(QString::fromLatin1(localeName));
        Calculator calculator(locale);
        for (int session = 0; session < 1000; ++session) {
            Request request;
            request.repair = true;  // as the window repairs
            request.mode = Mode(1 + pick(6));
            request.massUnit = pick(4);
            request.hydrationUnit1 = pick(2) * (1 + pick(4));
            request.hydrationUnit2 = pick(2) * (1 + pick(4));
            const std::vector<NamedBox>& boxes = namedBoxes(request.mode);
            for (int n = pick(6); n > 0; --n) {
                const NamedBox& b = boxes[std::size_t(pick(int(boxes.size())))];
                const QString value = pick(3) == 0 ? edges[pick(int(edges.size()))]
                                                   : locale.toString(pick(3000) / 4.0);
                request.inputs.emplace_back(pick(2) == 0 ? b.name : b.boxName, value);
            }
            SCOPED_TRACE(std::string(localeName) + " session " + std::to_string(session));
            try {
                calculator.run(request);
            } catch (const UsageError&) {
                continue;  // a unit or a box the mode does not offer: the window has no such click
            }
            replay::SessionSettings settings;
            settings.locale = locale;
            auto person = replay::makeModelSession(settings);
            Window& w = person->window();
            person->click(w.optionL(int(request.mode)));
            if (request.massUnit != 0) {
                person->click(w.optionU(request.massUnit));
            }
            if (request.hydrationUnit1 != 0) {
                person->click(w.optionH(request.hydrationUnit1));
            }
            if (request.hydrationUnit2 != 0) {
                person->click(w.optionH(4 + request.hydrationUnit2));
            }
            for (const auto& input : request.inputs) {
                const QString& value = input.second;
                const NamedBox* b = boxNamed(boxes, input.first);
                QString display = b->boxName;
                if (display.startsWith(u"EF")) {
                    display = QStringLiteral("EF(%1)").arg(display.back());
                }
                person->set(static_cast<TextBox&>(events::controlNamed(w, display)), value);
            }
            ASSERT_EQ(calculationText(calculator.window()), calculationText(w));
            ASSERT_EQ(answerValues(calculator.window()), answerValues(w));
            ++compared;
        }
    }
    EXPECT_GT(compared, 400);
}

// Every way a batch or its output can fail: each is told, with its own status, and bounded.
TEST(Command, FailurePaths) {
    const QByteArray header = "mode,pate,hydratation\n";
    struct Row {
        const char* name;
        QByteArray csv;  // the input, or empty for an input that cannot be opened
        int status;
        const char* err;     // a part of what stderr says
        const char* answer;  // a part of the output, or null
    };
    const QByteArray bigCell = "1,\"" + QByteArray(70 * 1024, '7') + "\",70\n";
    QByteArray longRow = "1";
    for (int i = 0; i < 20; ++i) {
        longRow += ',' + QByteArray(60 * 1024, ' ');  // each field within its bound
    }
    longRow += '\n';
    const QByteArray manyFields = "1" + QByteArray(1200, ',') + "\n";
    const Row rows[] = {
        {"missing", {}, 2, "impossible de lire « in.csv » : fichier introuvable", nullptr},
        {"endless", QByteArray(20 * 1024 * 1024, '\0'), 2, "plus de 16 Mio sans fin de ligne",
         nullptr},
        {"cell over 64 KiB", header + bigCell + "1,1200,70\n", 3, "1 ligne(s) en erreur sur 2",
         "ligne 2 : un champ de plus de 64 Kio"},
        {"row over 1 MiB", header + longRow + "1,1200,70\n", 3, "1 ligne(s) en erreur sur 2",
         "ligne 2 : une ligne de plus de 1 Mio"},
        {"over 1,000 fields", header + manyFields + "1,1200,70\n", 3, "1 ligne(s)",
         "ligne 2 : plus de 1000 champs"},
        {"too few fields", header + "1,1200\n", 3, "1 ligne(s)",
         ",ligne 2 : 2 champs au lieu de 3"},
        {"too many fields", header + "1,1200,70,5\n", 3, "1 ligne(s)",
         ",ligne 2 : 4 champs au lieu de 3"},
        {"a formula", header + "1,=1+1,70\n", 3, "1 ligne(s)", "1,'=1+1,70,"},
        {"an at sign", header + "1,\"@SUM(A1)\",70\n", 3, "1 ligne(s)", "1,'@SUM(A1),70,"},
        {"a negative number stays", header + "1,-5,70\n", 0, "", "1,-5,70,-5,70"},
        {"CR line ends", "mode,pate,hydratation\r1,1200,70\r1,600,70\r", 0, "",
         "1,600,70,600,70,,353,"},
        {"duplicate columns", "mode,pate,Pate,hydratation\n1,1,2,70\n", 2,
         "colonnes en double dans l'en-tête : Pate", nullptr},
        {"no mode column", "pate,hydratation\n1200,70\n", 2, "doit nommer la colonne mode",
         nullptr},
        {"the mode named as the other columns are", " Mode ,Pate,hydratation\n1,1200,70\n", 0, "",
         "1,1200,70,1200,70,,706,"},
        {"an impossible row is counted",
         "mode,unite1,hydratation,denominateur\n1,fraction-farine,2,-2\n", 3,
         "1 ligne(s) en erreur sur 1", "Calcul impossible avec ces valeurs"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::map<QString, QByteArray> files;
        if (!row.csv.isEmpty()) {
            files[QStringLiteral("in.csv")] = row.csv;
        }
        const Outcome r = run(words("--csv in.csv"), QLocale::c(), files);
        EXPECT_EQ(r.status, row.status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.err))) << r.err.toStdString();
        if (row.answer != nullptr) {
            EXPECT_TRUE(r.out.contains(QString::fromUtf8(row.answer)))
                << r.out.left(2000).toStdString();
            // Every row exactly as wide as the header, the error in the last column.
            const QStringList lines = r.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            for (const QString& line : lines) {
                EXPECT_EQ(line.count(u','), lines.front().count(u','))
                    << line.left(200).toStdString();
            }
        }
    }
}

// The mark a spreadsheet puts before UTF-8 is skipped however few bytes each read brings, before
// a quoted first name too.
TEST(Command, TheMarkBeforeUtf8SplitAcrossReads) {
    for (const qint64 chunk : {1, 2, 3, 4}) {
        SCOPED_TRACE(chunk);
        QByteArray out;
        Streams io;
        io.out = [&](const QByteArray& b) {
            out += b;
            return true;
        };
        io.err = [](const QByteArray&) {};
        io.open = [chunk](const QString&, QString&) {
            return bytesInput("\xEF\xBB\xBF\"mode\",pate\n1,1200\n", chunk);
        };
        EXPECT_EQ(runCommand(words("--csv in.csv"), io, QLocale::c()), exitStatus::answered);
        EXPECT_TRUE(out.startsWith("mode,pate,Q1")) << out.toStdString();
    }
    // A file of the mark alone holds no header.
    QByteArray err;
    Streams io;
    io.out = [](const QByteArray&) { return true; };
    io.err = [&](const QByteArray& b) { err += b; };
    io.open = [](const QString&, QString&) { return bytesInput("\xEF\xBB\xBF", 1); };
    EXPECT_EQ(runCommand(words("--csv in.csv"), io, QLocale::c()), exitStatus::misused);
}

// A full disk or a closed output is never a success.
TEST(Command, AFailedWriteIsTold) {
    for (const char* arguments : {"--mode 1 pate=1200", "--csv in.csv", "--help"}) {
        SCOPED_TRACE(arguments);
        QByteArray err;
        int writes = 0;
        Streams io;
        io.out = [&](const QByteArray&) { return ++writes < 2; };  // the disk fills at once
        io.err = [&](const QByteArray& b) { err += b; };
        io.open = [](const QString&, QString&) { return bytesInput("mode,pate\n1,1200\n"); };
        io.finish = [&] { return writes < 1; };  // what stayed buffered fails at the end
        io.outError = [] { return QStringLiteral("plus de place sur le disque"); };
        EXPECT_EQ(runCommand(words(arguments), io, QLocale::c()), exitStatus::unwritten);
        EXPECT_EQ(
            QString::fromUtf8(err),
            QStringLiteral("fournil-calc : écriture impossible : plus de place sur le disque\n"));
    }
}

// Strict by default, the window's repairs on request: under French settings a point, a letter O
// or a decimal comma left unquoted are each the row's error; with --reparer they are computed
// and said in their own column.
TEST(Command, StrictOrRepaired) {
    const QByteArray csv =
        "mode,pate,hydratation\n1,1200,70.5\n1,12O0,70\n1,1200,70,5\n1,1200,70\n";
    const std::map<QString, QByteArray> files = {{QStringLiteral("in.csv"), csv}};
    const QLocale french(u"fr_FR");
    const Outcome strict = run(words("--csv in.csv"), french, files);
    EXPECT_EQ(strict.status, 3);
    EXPECT_TRUE(strict.err.contains(u"3 ligne(s) en erreur sur 4"));
    const QStringList lines = strict.out.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(
        lines[1].contains(u"ligne 2 : hydratation « 70.5 » n'est pas un nombre en "
                          u"français ; 70,5 (--reparer : « 0 »)"))
        << lines[1].toStdString();
    EXPECT_TRUE(lines[2].contains(u"ligne 3 : pate « 12O0 » n'est pas un nombre en français"));
    EXPECT_TRUE(lines[3].endsWith(u"ligne 4 : 4 champs au lieu de 3"));
    EXPECT_TRUE(lines[4].startsWith(u"1,1200,70,1200,70,,706,")) << lines[4].toStdString();

    const Outcome repaired = run(words("--csv in.csv --reparer"), french, files);
    const QStringList fixed = repaired.out.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(fixed[0].endsWith(u",reparations,erreur"));
    EXPECT_TRUE(fixed[1].endsWith(u",H1 : « 70.5 » remplacé par « 0 »,")) << fixed[1].toStdString();
    EXPECT_EQ(repaired.status, 3);  // the row with a field too many stays in error
    // In text, each repair follows its answer.
    const Outcome text = run(words("--csv in.csv --reparer --format texte"), french, files);
    EXPECT_TRUE(text.out.contains(u"réparé : H1 : « 70.5 » remplacé par « 0 »\n"))
        << text.out.toStdString();

    // The recipe's own options take either mark.
    for (const char* yeast : {"0.5", "0,5"}) {
        EXPECT_EQ(run(QStringList{QStringLiteral("--mode"), QStringLiteral("1"),
                                  QStringLiteral("--pieces"), QStringLiteral("6"),
                                  QStringLiteral("--poids"), QStringLiteral("250"),
                                  QStringLiteral("--levure"), QString::fromLatin1(yeast)},
                      french)
                      .status,
                  0)
            << yeast;
    }
}

}  // namespace
}  // namespace fournil::calc

#include "readback.h"

#include <gtest/gtest.h>

#include "qstring_printer.h"

namespace fournil {
namespace {

TEST(Properties, QuotedTextsRoundTrip) {
    const QString texts[] = {QString(), QStringLiteral("de farine                   "),
                             QStringLiteral("a \"b\" \\ c"), QStringLiteral("ligne 1\nligne 2"),
                             QStringLiteral("t° é")};
    for (const QString& t : texts) {
        EXPECT_EQ(unquoted(quoted(t)), t) << quoted(t).toStdString();
    }
    EXPECT_EQ(quoted(QStringLiteral("a\"\n")), QStringLiteral("\"a\\\"\\n\""));
    EXPECT_FALSE(unquoted(u"\"a\"b\""));
    EXPECT_FALSE(unquoted(u"\"a\\\""));
    EXPECT_FALSE(unquoted(u"abc"));
}

TEST(Properties, FractionsPrintSevenSignificantDigitsInTheCLocale) {
    EXPECT_EQ(floatText(70.0f / 170.0f), QStringLiteral("0.4117647"));
    EXPECT_EQ(floatText(float(70.0 / 170.0)), QStringLiteral("0.4117647"));
    EXPECT_EQ(floatText(0.5f), QStringLiteral("0.5"));
    EXPECT_EQ(floatText(0.0f), QStringLiteral("0"));
    EXPECT_EQ(floatText(float(2.0 / 3.0)), QStringLiteral("0.6666667"));
}

TEST(Properties, ColoursAreNamed) {
    EXPECT_EQ(colourName(lightCyan), QStringLiteral("#80FFFF"));
    EXPECT_EQ(colourName(lightGreen), QStringLiteral("#80FF80"));
    EXPECT_EQ(colourName(lightYellow), QStringLiteral("#FFFFC0"));
    EXPECT_EQ(colourName(Colour::systemWindow()), QStringLiteral("window"));
}

TEST(Properties, EachKindReadsOnlyItsOwnProperties) {
    Window w;
    EXPECT_TRUE(readProperty(w, w.Q1, u"text"));
    EXPECT_FALSE(readProperty(w, w.Q1, u"caption"));
    EXPECT_FALSE(readProperty(w, w.Phrase(1), u"text"));
    EXPECT_FALSE(readProperty(w, w.Q1, u"focus"));
    EXPECT_EQ(readProperty(w, w.Fournil, u"focus"), PropValue::ofText(QString()));
    EXPECT_EQ(readProperty(w, w.optionL(1), u"selected"), PropValue::ofBool(true));
    EXPECT_FALSE(readWindowValue(w, u"Nothing"));
}

}  // namespace
}  // namespace fournil

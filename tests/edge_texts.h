#pragma once

#include <QString>
#include <QStringList>

namespace fournil::testing {

// Texts at the edges of the fields' rules, long pastes and characters a line edit refuses.
inline QStringList edgeTexts() {
    QStringList texts = {
        QString(),
        QStringLiteral("0"),
        QStringLiteral("1"),
        QStringLiteral("-1"),
        QStringLiteral("5"),
        QStringLiteral("13"),
        QStringLiteral("50"),
        QStringLiteral("70"),
        QStringLiteral("72"),
        QStringLiteral("99"),
        QStringLiteral("100"),
        QStringLiteral("150"),
        QStringLiteral("1200"),
        QStringLiteral("-100"),
        QStringLiteral("12,5"),
        QStringLiteral("12.5"),
        QStringLiteral(",5"),
        QStringLiteral("0,5"),
        QStringLiteral("-0,5"),
        QStringLiteral("2/3"),
        QStringLiteral("abc"),
        QStringLiteral("-"),
        QStringLiteral("1e5"),
        QStringLiteral("9999"),
        QStringLiteral("36,63"),
        QStringLiteral("8,83"),
        QStringLiteral("12,83"),
        QStringLiteral("65,50"),
        QStringLiteral("1234560"),
        QStringLiteral(" 7 "),
        QStringLiteral("\t5"),
        QStringLiteral("5\n"),
        QStringLiteral("12,"),
        QStringLiteral("1\u00a0000"),
        QStringLiteral("\u2212"
                       "5"),
        QStringLiteral("\u0663"),
        QStringLiteral("\uff11\uff12"),
        QStringLiteral("70\U0001F35E"),
    };
    texts << QStringLiteral("1") + QString(320, u'0') << QString(400, u'7');
    return texts;
}

}  // namespace fournil::testing

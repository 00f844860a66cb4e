#pragma once

// Reading a field's text as a number, and the number texts the system writes. Nothing here goes
// through the C library's locale: the locale is always given.

#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace fournil {

// The whole text as a decimal number by the locale's rules: an optional sign, digits and the
// locale's decimal separator (either side may be empty, not both), blanks around it. No thousands
// separator and no exponent, so a typed decimal is never read as thousands. Every text a person
// passes through while typing such a number reads ("12," and ",5" in French). No value for
// anything else, the empty text included, nor for a magnitude beyond double precision.
std::optional<double> LectureLocale(QStringView text, const QLocale& locale);

// The leading number of the text, "." as the only decimal separator, an optional sign and
// exponent; blanks, tabs and line feeds are skipped wherever they stand, and reading stops at the
// first character that cannot continue the number. 0 when the text does not begin with one.
double LecturePoint(QStringView text);

// A number typed into a dialog or given on the command line: by the locale, or with the other
// decimal mark ("0.5" and "0,5" alike, whatever the keyboard or the spreadsheet wrote).
std::optional<double> readEitherMark(const QString& text, const QLocale& locale);

// To the nearest integer, an exact half going to the even one (2.5 gives 2, -2.5 gives -2).
double roundHalfEven(double value);

// A rounded result: the integer's decimal digits, "-" before a negative one.
QString roundedText(double value);

// An unrounded result: at most 15 significant digits, no trailing zeros, the locale's decimal
// separator, no thousands separator, never an exponent.
QString unroundedText(double value, const QLocale& locale);

// The locale a person names: "C" or "POSIX", or a language with its territory ("fr_FR", and
// "fr_FR.UTF-8" as the environment writes it); nothing for a name Qt does not know.
std::optional<QLocale> localeNamed(QStringView name);
// Every language_TERRITORY name localeNamed knows besides "C" and "POSIX", sorted.
QStringList knownLocaleNames();

}  // namespace fournil

#include "engine/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string>

namespace fournil {
namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The power of ten of the leading digit of "[-]W.F[eX]" (ASCII), to tell an overflow from an
// underflow without reading the number.
long magnitude(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::size_t e = text.find_first_of("eE");
    long exponent = 0;
    if (e != std::string::npos) {
        const char* first = text.data() + e + 1;
        if (*first == '+') {
            ++first;
        }
        if (std::from_chars(first, text.data() + text.size(), exponent).ec != std::errc()) {
            exponent = *first == '-' ? -100000 : 100000;  // far beyond either end of the range
        }
    }
    const std::size_t start = text.front() == '-' ? 1 : 0;
    const std::string whole = text.substr(start, point - start);
    const std::size_t firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string::npos) {
        return long(whole.size() - firstWhole) - 1 + exponent;
    }
    const std::string fraction = text.substr(point + 1, e == std::string::npos ? e : e - point - 1);
    const std::size_t firstFraction = fraction.find_first_not_of('0');
    return firstFraction == std::string::npos ? 0 : -long(firstFraction) - 1 + exponent;
}

// Reads "[-]W.F[eX]" written in ASCII; nullopt beyond double's range. A value too small for
// double precision reads as zero of its sign.
std::optional<double> parse(const std::string& text) {
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(text) > 0) {
            return std::nullopt;
        }
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<double> LectureLocale(QStringView text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    qsizetype i = 0, n = text.size();
    while (i < n && isBlank(text[i])) {
        ++i;
    }
    while (n > i && isBlank(text[n - 1])) {
        --n;
    }
    std::string ascii;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') {
            ascii += '-';
        }
        ++i;
    }
    std::string whole, fraction;
    while (i < n && isDigit(text[i])) {
        whole += char(text[i++].unicode());
    }
    if (i < n && text.mid(i).startsWith(point)) {
        i += point.size();
        while (i < n && isDigit(text[i])) {
            fraction += char(text[i++].unicode());
        }
    }
    if (i != n || (whole.empty() && fraction.empty())) {
        return std::nullopt;
    }
    ascii += (whole.empty() ? "0" : whole) + "." + (fraction.empty() ? "0" : fraction);
    return parse(ascii);
}

double LecturePoint(QStringView text) {
    // Blanks, tabs and line feeds do not count anywhere, so they are dropped first.
    std::string ascii;
    for (QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n') {
            continue;
        }
        ascii += c.unicode() < 128 ? char(c.unicode()) : '\x7f';
    }
    std::size_t i = 0;
    std::string number;
    if (i < ascii.size() && (ascii[i] == '-' || ascii[i] == '+')) {
        number += ascii[i] == '-' ? "-" : "";
        ++i;
    }
    std::string digits;
    while (i < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[i]))) {
        digits += ascii[i++];
    }
    std::string fraction;
    if (i < ascii.size() && ascii[i] == '.') {
        ++i;
        while (i < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[i]))) {
            fraction += ascii[i++];
        }
    }
    if (digits.empty() && fraction.empty()) {
        return 0;
    }
    number += (digits.empty() ? "0" : digits) + "." + (fraction.empty() ? "0" : fraction);
    // An exponent counts only when digits follow it.
    if (i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < ascii.size() && (ascii[j] == '-' || ascii[j] == '+')) {
            exponent += ascii[j++];
        }
        const std::size_t first = j;
        while (j < ascii.size() && std::isdigit(static_cast<unsigned char>(ascii[j]))) {
            exponent += ascii[j++];
        }
        if (j > first) {
            number += exponent;
        }
    }
    const auto value = parse(number);
    if (!value) {
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    }
    return *value;
}

double roundHalfEven(double value) {
    // nearbyint rounds by the current mode, which is to nearest, ties to even.
    return std::nearbyint(value);
}

QString roundedText(double value) {
    const double whole = roundHalfEven(value);
    std::array<char, 400> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole,
                                   std::chars_format::fixed, 0);
    QString text = QString::fromLatin1(buffer.data(), ec == std::errc() ? end - buffer.data() : 0);
    return text == u"-0" ? QStringLiteral("0") : text;
}

QString unroundedText(double value, const QLocale& locale) {
    if (value == 0 || !std::isfinite(value)) {
        return value == 0 ? QStringLiteral("0") : QString();
    }
    // 15 significant digits in scientific form, then laid out without an exponent.
    std::array<char, 64> buffer{};
    auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::scientific, 14);
    const std::string sci(buffer.data(), ec == std::errc() ? end : buffer.data());
    const bool negative = sci.front() == '-';
    const std::size_t e = sci.find('e');
    std::string digits;
    for (std::size_t k = negative ? 1 : 0; k < e; ++k) {
        if (sci[k] != '.') {
            digits += sci[k];
        }
    }
    const int exponent = std::stoi(sci.substr(e + 1));
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    // The decimal point stands after `exponent + 1` digits.
    const int point = exponent + 1;
    std::string whole, fraction;
    if (point <= 0) {
        whole = "0";
        fraction = std::string(std::size_t(-point), '0') + digits;
    } else if (std::size_t(point) >= digits.size()) {
        whole = digits + std::string(std::size_t(point) - digits.size(), '0');
    } else {
        whole = digits.substr(0, std::size_t(point));
        fraction = digits.substr(std::size_t(point));
    }
    QString text = QString::fromLatin1(negative ? "-" : "") + QString::fromLatin1(whole);
    if (!fraction.empty()) {
        text += locale.decimalPoint() + QString::fromLatin1(fraction);
    }
    return text;
}

std::optional<QLocale> localeNamed(QStringView name) {
    const QStringView base = name.split(u'.').front().split(u'@').front();
    if (base == u"C" || base == u"POSIX") {
        return QLocale::c();
    }
    // Each part a code Qt knows: "fr_XX" is refused rather than read as French of France.
    const QList<QStringView> parts = base.split(u'_');
    if (parts.size() > 2 || QLocale::codeToLanguage(parts.front()) == QLocale::AnyLanguage ||
        (parts.size() == 2 && QLocale::codeToTerritory(parts.back()) == QLocale::AnyTerritory)) {
        return std::nullopt;
    }
    const QLocale locale(base.toString());
    if (locale.language() == QLocale::C) {
        return std::nullopt;
    }
    return locale;
}

QStringList knownLocaleNames() {
    QStringList names;
    for (const QLocale& locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                          QLocale::AnyTerritory)) {
        if (locale.language() != QLocale::C) {
            names << locale.name();
        }
    }
    names.sort();
    names.removeDuplicates();
    return names;
}

std::optional<double> readEitherMark(const QString& text, const QLocale& locale) {
    if (const auto value = LectureLocale(text, locale)) {
        return value;
    }
    const QString point = locale.decimalPoint();
    const QChar other = point == u"," ? u'.' : u',';
    if (text.count(other) != 1 || text.contains(point)) {
        return std::nullopt;
    }
    return LectureLocale(QString(text).replace(other, point), locale);
}

}  // namespace fournil

#include "engine/hydration.h"
#include "window/window.h"

#include "engine/numbers.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace fournil {

std::optional<float> waterFraction(HydrationUnit unit, QStringView hydration,
                                   QStringView denominator, const QLocale& locale) {
    const auto a = LectureLocale(hydration, locale);
    if (!a) {
        return std::nullopt;
    }
    double quotient = 0;
    switch (unit) {
        case HydrationUnit::PercentOfDough:
            quotient = *a / 100.0;
            break;
        case HydrationUnit::PercentOfFlour:
            quotient = *a / (*a + 100.0);
            break;
        case HydrationUnit::FractionOfDough:
        case HydrationUnit::FractionOfFlour: {
            // The denominator is read by the locale like every other number: "3,5" is three
            // and a half in French, not 3.
            const auto b = LectureLocale(denominator, locale);
            if (!b) {
                return std::nullopt;
            }
            quotient = unit == HydrationUnit::FractionOfDough ? *a / *b : *a / (*a + *b);
            break;
        }
    }
    const float stored = float(quotient);
    if (!std::isfinite(stored)) {
        return std::nullopt;
    }
    return stored;
}

namespace {

// A group whose texts give no fraction keeps its old one, and says so.
bool store(float& fraction, std::optional<float> value) {
    if (value) {
        fraction = *value;
    }
    return value.has_value();
}

// One group: a percent unit, then (independently) a fraction unit; exactly one is selected.
bool convertGroup(const Window& w, HydrationGroup group, const TextBox& field,
                  const TextBox& denominator, float& fraction) {
    using enum HydrationUnit;
    const QLocale& locale = w.locale();
    const auto selected = [&](HydrationUnit unit) {
        return hydrationButton(w, group, unit).selected();
    };
    bool ok = true;
    if (selected(PercentOfDough)) {
        ok = store(fraction, waterFraction(PercentOfDough, field.text(), {}, locale)) && ok;
    } else if (selected(PercentOfFlour)) {
        ok = store(fraction, waterFraction(PercentOfFlour, field.text(), {}, locale)) && ok;
    }
    if (selected(FractionOfDough)) {
        ok = store(fraction,
                   waterFraction(FractionOfDough, field.text(), denominator.text(), locale)) &&
             ok;
    } else if (selected(FractionOfFlour)) {
        ok = store(fraction,
                   waterFraction(FractionOfFlour, field.text(), denominator.text(), locale)) &&
             ok;
    }
    return ok;
}

}  // namespace

bool Détermine_Hyd(Window& w) {
    const float before1 = w.FracEau1, before2 = w.FracEau2;
    // A fault ends the pass at once: the second group is not converted after the first failed.
    const bool first = convertGroup(w, HydrationGroup::First, w.H1, w.H1d, w.FracEau1);
    const bool second = first && convertGroup(w, HydrationGroup::Second, w.H2, w.H2d, w.FracEau2);
    // Bit for bit, so that a change between zeros of either sign is told too.
    if (std::bit_cast<std::uint32_t>(before1) != std::bit_cast<std::uint32_t>(w.FracEau1) ||
        std::bit_cast<std::uint32_t>(before2) != std::bit_cast<std::uint32_t>(w.FracEau2)) {
        w.notify(w.Fournil, Property::Fractions);
    }
    return first && second;
}

}  // namespace fournil

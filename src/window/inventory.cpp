#include "window/inventory.h"

#include <array>

namespace fournil {
namespace {

constexpr Colour button = Colour::systemButton();
constexpr Colour field = Colour::systemWindow();
constexpr Colour cyan = lightCyan;
constexpr Colour green = lightGreen;
constexpr Colour yellow = lightYellow;

constexpr auto W = Kind::Window;
constexpr auto F = Kind::Frame;
constexpr auto O = Kind::OptionButton;
constexpr auto T = Kind::TextBox;
constexpr auto L = Kind::Label;

// clang-format off
constexpr std::array rows = std::to_array<ControlEntry>({
    // name          idx kind  container          caption or text                 Left  Top   Width Height colour  flags
    {u"Fournil",     -1, W, u"",               -1, u"Calcul de l'Hydratation d'un Levain ou d'une Pâte", {0, 0, clientSize.width, clientSize.height}, button, 0},

    // Top bank: calculation mode and units.
    {u"Pâte",        -1, F, u"Fournil",        -1, u"Pâte",                   {240, 120, 2175, 975},  button, 0},
    {u"optionL",      1, O, u"Pâte",           -1, u"proportions eau/farine", {120, 240, 2000, 195},  button, Selected},
    {u"optionL",      2, O, u"Pâte",           -1, u"hydratation d'une pâte", {120, 480, 2000, 195},  button, 0},
    {u"optionL",      3, O, u"Pâte",           -1, u"t° eau de coulage",      {120, 720, 2000, 195},  button, 0},
    {u"Levain",      -1, F, u"Fournil",        -1, u"levain",                 {240, 1080, 2175, 975}, button, 0},
    {u"optionL",      4, O, u"Levain",         -1, u"modification d'un levain", {120, 240, 2000, 195}, button, 0},
    {u"optionL",      5, O, u"Levain",         -1, u"levain1 vers levain2",   {120, 480, 2000, 195},  button, 0},
    {u"optionL",      6, O, u"Levain",         -1, u"proportion pâte /levain", {120, 720, 2000, 195}, button, 0},
    {u"Unités",      -1, F, u"Fournil",        -1, u"Unités",                 {2520, 120, 855, 1935}, button, 0},
    {u"optionU",      1, O, u"Unités",         -1, u"gr",                     {120, 480, 615, 195},   button, Selected},
    {u"optionU",      2, O, u"Unités",         -1, u"kg",                     {120, 960, 615, 195},   button, 0},
    {u"optionU",      3, O, u"Unités",         -1, u"l/kg",                   {120, 1440, 615, 195},  button, 0},
    {u"Hydratation",  1, F, u"Fournil",        -1, u"Hydratation",            {3480, 120, 1575, 1935}, cyan, 0},
    {u"optionH",      1, O, u"Hydratation",     1, u"% pâte",                 {120, 360, 1365, 195},  cyan, 0},
    {u"optionH",      2, O, u"Hydratation",     1, u"% farine",               {120, 720, 1365, 195},  cyan, Selected},
    {u"optionH",      3, O, u"Hydratation",     1, u"fraction pâte",          {120, 1080, 1365, 195}, cyan, 0},
    {u"optionH",      4, O, u"Hydratation",     1, u"fraction farine",        {120, 1440, 1365, 195}, cyan, 0},
    {u"Hydratation",  2, F, u"Fournil",        -1, u"hydratation",            {5160, 120, 1575, 1935}, green, Disabled},
    {u"optionH",      5, O, u"Hydratation",     2, u"% pâte",                 {120, 360, 1365, 195},  green, Selected},
    {u"optionH",      6, O, u"Hydratation",     2, u"% farine",               {120, 720, 1365, 195},  green, 0},
    {u"optionH",      7, O, u"Hydratation",     2, u"fraction pâte",          {120, 1080, 1365, 195}, green, 0},
    {u"optionH",      8, O, u"Hydratation",     2, u"fraction farine",        {120, 1440, 1365, 195}, green, 0},

    // Sentence area. The wide right-aligned labels come before the boxes and unit labels that
    // must stay readable in front of them.
    {u"Phrase",       1, L, u"Fournil",        -1, u"Pour obtenir",           {240, 2280, 855, 195},  button, 0},
    {u"Phrase",       2, L, u"Fournil",        -1, u"de pâte hydraté à   ",   {1080, 2280, 2475, 195}, button, RightAligned},
    {u"Q1",          -1, T, u"Fournil",        -1, u"1200",                   {1155, 2250, 660, 285}, field, 0},
    {u"gr",           1, L, u"Fournil",        -1, u"gr",                     {1875, 2280, 180, 195}, button, 0},
    {u"H1",          -1, T, u"Fournil",        -1, u"70",                     {3720, 2280, 660, 285}, cyan, FourCharacters},
    {u"H1d",         -1, T, u"Fournil",        -1, u"100",                    {3720, 2400, 660, 285}, cyan, Hidden | FourCharacters},
    {u"pourcent2",   -1, L, u"Fournil",        -1, u"% (/farine)",            {4440, 2280, 720, 195}, button, 0},
    {u"Phrase",       3, L, u"Fournil",        -1, u"il faut",                {120, 2880, 945, 195},  button, RightAligned},
    {u"Phrase",       4, L, u"Fournil",        -1, u"de farine                   ", {1800, 2880, 1755, 195}, button, RightAligned},
    {u"Q2",          -1, T, u"Fournil",        -1, u"706",                    {1155, 2850, 660, 285}, field, Bold | Disabled},
    {u"gr",           2, L, u"Fournil",        -1, u"gr",                     {1875, 2880, 180, 195}, button, 0},
    {u"H2",          -1, T, u"Fournil",        -1, u"50",                     {3720, 2880, 660, 285}, green, Hidden | FourCharacters},
    {u"H2d",         -1, T, u"Fournil",        -1, u"100",                    {3720, 3000, 660, 285}, green, Hidden | FourCharacters},
    {u"pourcent1",   -1, L, u"Fournil",        -1, u"% (/pâte)",              {4440, 2880, 645, 195}, button, Hidden},
    {u"Phrase",       5, L, u"Fournil",        -1, u"et",                     {600, 3480, 375, 195},  button, RightAligned},
    {u"EF",           1, T, u"Fournil",        -1, u"394",                    {1155, 3435, 660, 285}, field, Bold | Disabled},
    {u"gr",           3, L, u"Fournil",        -1, u"gr",                     {1875, 3480, 180, 195}, button, 0},
    {u"EFLabel",      1, L, u"Fournil",        -1, u"de farine",              {2160, 3480, 855, 195}, button, 0},
    {u"Phrase",       0, L, u"Fournil",        -1, u"et",                     {2400, 3480, 1155, 195}, button, Hidden | RightAligned},
    {u"EF",           2, T, u"Fournil",        -1, u"0",                      {3720, 3435, 660, 285}, field, Hidden | Disabled | Bold},
    {u"gr",           0, L, u"Fournil",        -1, u"gr",                     {4440, 3480, 180, 195}, button, Hidden},
    {u"EFLabel",      2, L, u"Fournil",        -1, u"d'eau",                  {4680, 3480, 495, 195}, button, Hidden},

    // Correction lines, empty at start. The long line comes first so that the numbers standing
    // over its blanks are drawn in front of it.
    {u"Phrase",      10, L, u"Fournil",        -1, u"",                       {360, 3960, 3255, 195}, button, Bold | Underline},
    {u"Phrase",      11, L, u"Fournil",        -1, u"",                       {3720, 3960, 1785, 195}, button, Italic},
    {u"Phrase",       6, L, u"Fournil",        -1, u"",                       {360, 4200, 6405, 195}, button, 0},
    {u"X",            1, L, u"Fournil",        -1, u"",                       {2400, 4200, 540, 195}, button, RightAligned},
    {u"gr",           6, L, u"Fournil",        -1, u"gr",                     {3000, 4200, 180, 195}, button, Hidden},
    {u"X",            2, L, u"Fournil",        -1, u"",                       {6120, 4200, 255, 195}, button, Centred},
    {u"Phrase",       9, L, u"Fournil",        -1, u"",                       {360, 4440, 1185, 195}, button, 0},
    {u"X",            3, L, u"Fournil",        -1, u"",                       {1680, 4440, 540, 195}, button, RightAligned},
    {u"gr",           4, L, u"Fournil",        -1, u"gr",                     {2280, 4440, 180, 195}, button, Hidden},
    {u"Phrase",       7, L, u"Fournil",        -1, u"",                       {2520, 4440, 615, 195}, button, 0},
    {u"X",            4, L, u"Fournil",        -1, u"",                       {1680, 4680, 540, 195}, button, RightAligned},
    {u"gr",           5, L, u"Fournil",        -1, u"gr",                     {2280, 4680, 180, 195}, button, Hidden},
    {u"Phrase",       8, L, u"Fournil",        -1, u"",                       {2520, 4680, 390, 195}, button, 0},

    // Help area, button, logo.
    {u"Image1",      -1, Kind::Picture, u"Fournil", -1, u"",                  {5280, 2280, 1500, 1500}, button, 0},
    {u"Cadre",       -1, Kind::Shape, u"Fournil",   -1, u"",                  {120, 5040, 6615, 855}, yellow, 0},
    {u"Aide",        -1, L, u"Fournil",        -1, u"",                       {240, 5160, 6375, 615}, yellow, 0},
    {u"Simulation",  -1, Kind::Button, u"Fournil",  -1, u"Simulation",        {5400, 5640, 1215, 195}, button, 0},
});

constexpr std::array order = std::to_array<ControlRef>({
    {u"H2", -1}, {u"H1", -1}, {u"Q1", -1}, {u"Q2", -1}, {u"EF", 1},
    {u"optionH", 2}, {u"optionH", 1}, {u"optionH", 4}, {u"optionH", 3},
    {u"optionL", 5}, {u"optionL", 4},
    {u"optionH", 7}, {u"optionH", 8}, {u"optionH", 5}, {u"optionH", 6},
    {u"H1d", -1}, {u"H2d", -1},
    {u"optionU", 1}, {u"optionU", 2}, {u"optionU", 3},
    {u"optionL", 1}, {u"optionL", 2}, {u"optionL", 3}, {u"optionL", 6},
    {u"EF", 2}, {u"Simulation", -1},
});
// clang-format on

}  // namespace

std::span<const ControlEntry> inventory() {
    return rows;
}

std::span<const ControlRef> keyboardOrder() {
    return order;
}

}  // namespace fournil

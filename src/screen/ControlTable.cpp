#include "screen/ControlTable.h"

#include <array>

namespace ControlTable {

const char *const ExaminingBody = "QENDRA KOMBËTARE E PROVIMEVE";

namespace {

constexpr Colour White = Colours::White;
constexpr FontSpec WindowFontPoints {};
constexpr FontSpec arial12 { Family::Arial, 12 };
constexpr FontSpec arial825 { Family::Arial, 8.25 };
constexpr FontSpec arial2025 { Family::Arial, 20.25 };

// Buttons 2 to 50 of the question array stand at (0, 0) until start-up lays the grid out;
// element 0, never a question, stays hidden at (0, 88).
constexpr QRect questionButtonPlace(int i)
{
    return i == 0 ? QRect(0, 88, 33, 33) : i == 1 ? QRect(24, 16, 33, 33) : QRect(0, 0, 33, 33);
}

constexpr ButtonSpec question(int i)
{
    return { "CmdZgjidhPyetjen", i, questionButtonPlace(i), "99", Colours::Green, arial12, i != 0 };
}

template<std::size_t... I>
constexpr std::array<ButtonSpec, sizeof...(I)> questionButtons(std::index_sequence<I...>)
{
    return { question(static_cast<int>(I))... };
}

constexpr auto QuestionSpecs = questionButtons(std::make_index_sequence<QuestionCount + 1>());

// The tables keep one control to a line, so they read like the design.
// clang-format off
constexpr std::array<ButtonSpec, 8> Others { {
    { "CmdAlternativa", 1, { 48, 472, 577, 49 }, "Teksti i alternativës së parë", White, WindowFontPoints, true },
    { "CmdAlternativa", 2, { 48, 528, 577, 47 }, "Teksti i alternativës së dytë ", White, WindowFontPoints, true },
    { "CmdAlternativa", 3, { 48, 584, 577, 47 }, "Teksti i alternativës së tretë ", White, WindowFontPoints, true },
    { "CmdAlternativa", 4, { 48, 640, 577, 47 }, "Teksti i alternativës së katër", White, WindowFontPoints, true },
    { "CmdAlternativa", 5, { 48, 696, 577, 47 }, "Teksti i alternativës së pestë", White, WindowFontPoints, true },
    { "CmdAlternativa", 0, { 640, 688, 121, 57 }, "  DUA TE LARGOHEM    E PERFUNDOVA PROVIMIN", White, arial825, true },
    { "CmdKonfirmoj", NoIndex, { 640, 528, 121, 49 }, "KONFIRMOJ", Colours::Green, arial12, true },
    { "CmdEND", NoIndex, { 640, 488, 121, 29 }, "P o   l a r g o h e m ! ", Colours::PaleYellow, arial825, false },
} };
// clang-format on

constexpr std::array<ButtonSpec, QuestionSpecs.size() + Others.size()> Buttons = [] {
    std::array<ButtonSpec, QuestionSpecs.size() + Others.size()> a {};
    std::size_t n = 0;
    for (const ButtonSpec &b : QuestionSpecs)
        a[n++] = b;
    for (const ButtonSpec &b : Others)
        a[n++] = b;
    return a;
}();

using D = Alignment;
constexpr std::optional<Colour> Transparent {};

// clang-format off
constexpr std::array<LabelSpec, 16> Labels { {
    { "LblNjoftim", NoIndex, { 48, 136, 561, 321 }, "Zgjidhni pyetje tjetër !", Colours::Yellow, Transparent, D::Left, true, false, { Family::Arial, 12.75 }, false },
    { "LblZgjidhniPyTj", NoIndex, { 80, 200, 249, 73 }, "Zgjidhni pyetje tjetër !", White, Transparent, D::Left, false, false, { Family::ArialNarrow, 20.25 }, false },
    { "LblGermaEAlt", 1, { 16, 480, 26, 32 }, "A:", White, Transparent, D::Left, false, true, arial2025, true },
    { "LblGermaEAlt", 2, { 16, 536, 26, 32 }, "B:", White, Transparent, D::Left, false, true, arial2025, true },
    { "LblGermaEAlt", 3, { 16, 592, 28, 32 }, "C:", White, Transparent, D::Left, false, true, arial2025, true },
    { "LblGermaEAlt", 4, { 16, 648, 25, 41 }, "D:", White, Transparent, D::Left, false, false, arial2025, true },
    { "LblGermaEAlt", 5, { 16, 704, 26, 32 }, "E:", White, Transparent, D::Left, false, true, arial2025, true },
    { "LblGermaEAlt", 0, { 616, 704, 23, 32 }, "0:", White, Transparent, D::Left, false, true, arial2025, false },
    { "LblData", NoIndex, { 616, 592, 169, 41 }, "Koha e mbetur", Colours::Blue, Transparent, D::Centre, false, false, { Family::Arial, 18 }, true },
    { "LblMin", NoIndex, { 640, 624, 65, 65 }, "11:", Colours::Red, Transparent, D::Right, false, false, { Family::ArialNarrow, 36 }, true },
    { "LblSek", NoIndex, { 706, 624, 65, 65 }, "00", Colours::Red, Transparent, D::Left, false, false, { Family::ArialNarrow, 36 }, true },
    { "LblQEV", NoIndex, { 232, 24, 400, 41 }, ExaminingBody, Colours::PaleBlue, Transparent, D::Centre, false, false, { Family::ArialNarrow, 18, true }, true },
    { "LblEmertimIProvimit", NoIndex, { 0, 88, 632, 41 }, "DEMO PROVIM MIX Mjek, Infermier, Stomatolog, Farmacist ", Colours::TitleBlue, Transparent, D::Centre, false, false, { Family::Arial, 15.75, false, false, true }, true },
    { "LblTezaTavolinaTerminali", NoIndex, { 624, 64, 153, 89 }, "74", White, Transparent, D::Centre, false, false, { Family::Arial, 60, true, true }, true },
    { "LblEmriMbiemri", NoIndex, { 775, 144, 193, 25 }, "Emri Mbiemri", White, Colours::Blue, D::Centre, false, false, { Family::Arial, 15.75 }, true },
    { "LblRezNePerqindje", NoIndex, { 616, 200, 161, 57 }, "87.24%", Colours::Red, Transparent, D::Centre, false, false, { Family::ArialRounded, 27.75, true, true }, false },
} };
// clang-format on

} // namespace

std::span<const ButtonSpec> buttons()
{
    return Buttons;
}

std::span<const LabelSpec> labels()
{
    return Labels;
}

} // namespace ControlTable

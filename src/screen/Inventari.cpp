#include "Inventari.h"

#include <array>

namespace Inventari {

const char *const EmriIInstitucionit = "QENDRA KOMBËTARE E PROVIMEVE";

namespace {

constexpr Ngjyra Bardhe = Ngjyrat::Bardhe;
constexpr Fonti FontiIDritares {};
constexpr Fonti Arial12 { Familja::Arial, 12 };
constexpr Fonti Arial825 { Familja::Arial, 8.25 };
constexpr Fonti Arial2025 { Familja::Arial, 20.25 };

// Buttons 2 to 50 of the question array stand at (0, 0) until start-up lays the grid out.
constexpr Butoni pyetja(int i)
{
    return { "CmdZgjidhPyetjen", i, i == 1 ? QRect(24, 16, 33, 33) : QRect(0, 0, 33, 33), "99",
        Ngjyrat::Jeshile, Arial12, i != 0 };
}

template<std::size_t... I>
constexpr std::array<Butoni, sizeof...(I)> butonatEPyetjeve(std::index_sequence<I...>)
{
    return { pyetja(static_cast<int>(I))... };
}

constexpr auto Pyetjet = butonatEPyetjeve(std::make_index_sequence<ButonaPyetjesh + 1>());

// The tables keep one control to a line, so they read like the design.
// clang-format off
constexpr std::array<Butoni, 8> TeTjeret { {
    { "CmdAlternativa", 1, { 48, 472, 577, 49 }, "Teksti i alternativës së parë", Bardhe, FontiIDritares, true },
    { "CmdAlternativa", 2, { 48, 528, 577, 47 }, "Teksti i alternativës së dytë ", Bardhe, FontiIDritares, true },
    { "CmdAlternativa", 3, { 48, 584, 577, 47 }, "Teksti i alternativës së tretë ", Bardhe, FontiIDritares, true },
    { "CmdAlternativa", 4, { 48, 640, 577, 47 }, "Teksti i alternativës së katër", Bardhe, FontiIDritares, true },
    { "CmdAlternativa", 5, { 48, 696, 577, 47 }, "Teksti i alternativës së pestë", Bardhe, FontiIDritares, true },
    { "CmdAlternativa", 0, { 640, 688, 121, 57 }, "  DUA TE LARGOHEM    E PERFUNDOVA PROVIMIN", Bardhe, Arial825, true },
    { "CmdKonfirmoj", PaIndeks, { 640, 528, 121, 49 }, "KONFIRMOJ", Ngjyrat::Jeshile, Arial12, true },
    { "CmdEND", PaIndeks, { 640, 488, 121, 29 }, "P o   l a r g o h e m ! ", Ngjyrat::VerdheEHapur, Arial825, false },
} };
// clang-format on

constexpr std::array<Butoni, Pyetjet.size() + TeTjeret.size()> Butonat = [] {
    std::array<Butoni, Pyetjet.size() + TeTjeret.size()> a {};
    std::size_t n = 0;
    for (const Butoni &b : Pyetjet)
        a[n++] = b;
    for (const Butoni &b : TeTjeret)
        a[n++] = b;
    return a;
}();

using D = Drejtimi;
constexpr std::optional<Ngjyra> Tejdukshem {};

// clang-format off
constexpr std::array<Etiketa, 16> Etiketat { {
    { "LblNjoftim", PaIndeks, { 48, 136, 561, 321 }, "Zgjidhni pyetje tjetër !", Ngjyrat::Verdhe, Tejdukshem, D::Majtas, true, false, { Familja::Arial, 12.75 }, false },
    { "LblZgjidhniPyTj", PaIndeks, { 80, 200, 249, 73 }, "Zgjidhni pyetje tjetër !", Bardhe, Tejdukshem, D::Majtas, false, false, { Familja::ArialNarrow, 20.25 }, false },
    { "LblGermaEAlt", 1, { 16, 480, 26, 32 }, "A:", Bardhe, Tejdukshem, D::Majtas, false, true, Arial2025, true },
    { "LblGermaEAlt", 2, { 16, 536, 26, 32 }, "B:", Bardhe, Tejdukshem, D::Majtas, false, true, Arial2025, true },
    { "LblGermaEAlt", 3, { 16, 592, 28, 32 }, "C:", Bardhe, Tejdukshem, D::Majtas, false, true, Arial2025, true },
    { "LblGermaEAlt", 4, { 16, 648, 25, 41 }, "D:", Bardhe, Tejdukshem, D::Majtas, false, false, Arial2025, true },
    { "LblGermaEAlt", 5, { 16, 704, 26, 32 }, "E:", Bardhe, Tejdukshem, D::Majtas, false, true, Arial2025, true },
    { "LblGermaEAlt", 0, { 616, 704, 23, 32 }, "0:", Bardhe, Tejdukshem, D::Majtas, false, true, Arial2025, false },
    { "LblData", PaIndeks, { 616, 592, 169, 41 }, "Koha e mbetur", Ngjyrat::Blu, Tejdukshem, D::Qender, false, false, { Familja::Arial, 18 }, true },
    { "LblMin", PaIndeks, { 640, 624, 65, 65 }, "11:", Ngjyrat::Kuqe, Tejdukshem, D::Djathtas, false, false, { Familja::ArialNarrow, 36 }, true },
    { "LblSek", PaIndeks, { 706, 624, 65, 65 }, "00", Ngjyrat::Kuqe, Tejdukshem, D::Majtas, false, false, { Familja::ArialNarrow, 36 }, true },
    { "LblQEV", PaIndeks, { 232, 24, 400, 41 }, EmriIInstitucionit, Ngjyrat::BluEZbehte, Tejdukshem, D::Qender, false, false, { Familja::ArialNarrow, 18, true }, true },
    { "LblEmertimIProvimit", PaIndeks, { 0, 88, 632, 41 }, "DEMO PROVIM MIX Mjek, Infermier, Stomatolog, Farmacist ", Ngjyrat::BluTitulli, Tejdukshem, D::Qender, false, false, { Familja::Arial, 15.75, false, false, true }, true },
    { "LblTezaTavolinaTerminali", PaIndeks, { 624, 64, 153, 89 }, "74", Bardhe, Tejdukshem, D::Qender, false, false, { Familja::Arial, 60, true, true }, true },
    { "LblEmriMbiemri", PaIndeks, { 775, 144, 193, 25 }, "Emri Mbiemri", Bardhe, Ngjyrat::Blu, D::Qender, false, false, { Familja::Arial, 15.75 }, true },
    { "LblRezNePerqindje", PaIndeks, { 616, 200, 161, 57 }, "87.24%", Ngjyrat::Kuqe, Tejdukshem, D::Qender, false, false, { Familja::ArialRounded, 27.75, true, true }, false },
} };
// clang-format on

} // namespace

std::span<const Butoni> butonat()
{
    return Butonat;
}

std::span<const Etiketa> etiketat()
{
    return Etiketat;
}

} // namespace Inventari

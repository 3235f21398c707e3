#pragma once

#include "Ngjyra.h"

#include <QRect>

#include <optional>
#include <span>

// The exam window as designed, before any start-up code runs: every control with its name,
// array index, place, caption, font, colours and start state. The window is built from these
// tables in one loop per kind; tests read them back against the live widgets.
namespace Inventari {

enum class Familja { Arial, ArialNarrow, ArialRounded };

struct Fonti
{
    Familja familja = Familja::Arial;
    double pike = 0; // 0: the window's own font
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline constexpr int PaIndeks = -1; // a control that is not part of an array

struct Butoni
{
    const char *emri;
    int indeksi;
    QRect gjeometria;
    const char *titulli;
    Ngjyra sfondi;
    Fonti fonti;
    bool iDukshem;
};

enum class Drejtimi { Majtas, Qender, Djathtas };

struct Etiketa
{
    const char *emri;
    int indeksi;
    QRect gjeometria;
    const char *titulli;
    Ngjyra ngjyra;
    std::optional<Ngjyra> sfondi; // set: an opaque label over this colour
    Drejtimi drejtimi;
    bool kufi;
    bool autoSize;
    Fonti fonti;
    bool iDukshem;
};

std::span<const Butoni> butonat();
std::span<const Etiketa> etiketat();

inline constexpr QRect DritarjaNeDizajn { 0, 0, 921, 752 };
inline constexpr int ButonaPyetjesh = 50; // elements 1 to 50; element 0 is never a question
inline constexpr int ButonaAlternativash = 5; // elements 1 to 5; element 0 ends the exam

// The design's examining body, shown in capitals beside its logo.
extern const char *const EmriIInstitucionit;

} // namespace Inventari

#pragma once

#include "base/Colour.h"
#include "base/Counts.h"

#include <QRect>

#include <optional>
#include <span>

// The exam window as designed, before any start-up code runs: every control with its name,
// array index, place, caption, font, colours and start state. The window is built from these
// tables in one loop per kind; tests read them back against the live widgets.
namespace ControlTable {

enum class Family { Arial, ArialNarrow, ArialRounded };

struct FontSpec
{
    Family family = Family::Arial;
    double points = 0; // 0: the window's own font
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

inline constexpr int NoIndex = -1; // a control that is not part of an array

struct ButtonSpec
{
    const char *name;
    int index;
    QRect geometry;
    const char *title;
    Colour background;
    FontSpec font;
    bool visible;
};

enum class Alignment { Left, Centre, Right };

struct LabelSpec
{
    const char *name;
    int index;
    QRect geometry;
    const char *title;
    Colour colour;
    std::optional<Colour> background; // set: an opaque label over this colour
    Alignment alignment;
    bool border;
    bool autoSize;
    FontSpec font;
    bool visible;
};

std::span<const ButtonSpec> buttons();
std::span<const LabelSpec> labels();

inline constexpr QRect DesignWindow { 0, 0, 921, 752 };
// The screen the design was laid out for: what is fitted to a screen and centred on it.
inline constexpr QRect DesignScreen { 0, 0, 1024, 768 };
// CmdZgjidhPyetjen has elements 1 to QuestionCount (element 0 is never a question),
// CmdAlternativa elements 1 to AlternativeCount and element 0, which ends the exam.

// The design's examining body, shown in capitals beside its logo.
extern const char *const ExaminingBody;

} // namespace ControlTable

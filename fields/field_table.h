#pragma once

// The 23 entry fields as data: name, character limit, the pattern that leaving
// rewrites them with, their panel, and for the four conversion fields the
// partner that a key press zeroes and the arrow it turns the button to.

#include <array>
#include <optional>
#include <span>

#include <QString>

#include "number_format.h"

namespace vorlenta {

enum class Field {
    Text1 = 1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10,
    Text11, Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19, Text20,
    Text21, Text22, Text23,
};
inline constexpr int field_count = 23;

// The framed groups of the window; the fields of Frame3 and Frame4 can be
// disabled as a whole.
enum class Panel { Frame1 = 1, Frame2, Frame3, Frame4, Frame5, Frame6, Frame7 };

enum class ExchangeButton { Command1, Command2 };

struct KeyRule {
    Field partner;          // written "0.0" on every key press
    ExchangeButton button;  // whose caption turns
    const char16_t *arrow;  // "->" for the left-hand field, "<-" for the right
};

struct FieldEntry {
    Field field;
    const char *name;                     // "Text1" … "Text23": object name too
    int max_length;                       // typing stops here
    std::optional<Pattern> leave_pattern; // none: leaving does not rewrite
    Panel panel;
    std::optional<KeyRule> key_rule;      // the four conversion fields only
};

// Every field, in the order Text1 … Text23.
std::span<const FieldEntry, field_count> field_entries();
const FieldEntry &entry_of(Field field);

inline QString name_of(Field field) { return QString::fromLatin1(entry_of(field).name); }
inline int index_of(Field field) { return static_cast<int>(field) - 1; }

// The field called name ("Text7"), if any.
std::optional<Field> field_named(QStringView name);

} // namespace vorlenta

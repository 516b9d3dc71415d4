// SPDX-License-Identifier: MIT
#pragma once

// The window as data: one row per control, in the order of the window's
// control list, with its kind, where it stands, its designed place and size in
// twips (1/1440 inch, 15 twips to a pixel at 96 dpi), its tab index and, for
// frames and labels, the string that captions it. Text boxes and exchange
// buttons are rows of their field or button; a label names the field it
// captions. The window is built from this table.

#include <span>
#include <vector>

#include "fields/field_table.h"

namespace vorlenta {

enum class ControlKind { TabControl, Frame, ExchangeButton, TextBox, Label, LinkLabel };

// Where a control stands: on the window, on one of the two tabs, or in a frame.
enum class Container { Window, Tab0, Tab1, Frame };

struct Twips {
    int left, top, width, height;
};

struct LayoutEntry {
    const char *name; // object name: Text11, Frame3, Command1, …
    ControlKind kind;
    Container container;
    Panel frame; // the frame it stands in; a frame's own panel
    Twips place;
    int tab_index;
    int caption_id;        // the string that captions it at load; 0 for none
    Field field;           // a text box's field; the field a label in a frame captions
    ExchangeButton button; // an exchange button's own
    bool bold;             // a label whose caption is bold
};

// Client area of the window, in twips.
inline constexpr int window_width_twips = 5235;
inline constexpr int window_height_twips = 5100;
inline constexpr int twips_per_pixel = 15;

std::span<const LayoutEntry> layout_table();

// The three lines under the tab control stand centred one under the other.
constexpr bool stands_centred(const LayoutEntry &entry)
{
    return entry.container == Container::Window && entry.kind != ControlKind::TabControl;
}

// Text boxes, exchange buttons and the tab control take the focus; frames and
// labels carry tab indexes but never do.
constexpr bool takes_focus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ExchangeButton || kind == ControlKind::TabControl;
}

// The focus order: every control that takes the focus, lowest tab index first.
std::vector<const LayoutEntry *> tab_order();

// The tab control's row.
const LayoutEntry &tab_control_row();

} // namespace vorlenta

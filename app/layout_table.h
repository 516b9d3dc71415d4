#pragma once

// The window as data: every control with its kind, container, designed
// position and size in twips (1/1440 inch, 15 twips to a pixel at 96 dpi) and
// tab index, in the order of the window's control list. The window is built
// from this table.

#include <span>
#include <string_view>
#include <vector>

namespace vorlenta {

enum class ControlKind { TabControl, Frame, ExchangeButton, TextBox, Label, LinkLabel };

// Where a control stands: on the window, on one of the two tabs, or in a frame.
enum class Container { Window, Tab0, Tab1, Frame };

struct LayoutEntry {
    const char *name;       // object name: Text11, Frame3, Command1, …
    ControlKind kind;
    Container container;
    const char *frame;      // the frame's name when container is Frame
    int left, top, width, height;
    int tab_index;
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

// Of the labels, the link and the line above it show their captions in bold.
inline bool has_bold_caption(const LayoutEntry &entry)
{
    return entry.kind == ControlKind::LinkLabel || std::string_view(entry.name) == "Label23";
}

// Text boxes, exchange buttons and the tab control take the focus; frames and
// labels carry tab indexes but never do.
constexpr bool takes_focus(ControlKind kind)
{
    return kind == ControlKind::TextBox || kind == ControlKind::ExchangeButton
        || kind == ControlKind::TabControl;
}

// The focus order: every control that takes the focus, lowest tab index first.
std::vector<const LayoutEntry *> tab_order();

} // namespace vorlenta

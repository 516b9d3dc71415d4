// SPDX-License-Identifier: MIT
// The model as the page reaches it: plain functions over field numbers and
// UTF-8 texts, exported from the WebAssembly module (no JavaScript glue).
//
// Each action returns what it changed, as bits (changes.h). The page reads the
// new state for those bits alone and mirrors it; it never computes. Its
// converters follow the typing, so it clicks no exchange button and presses
// no key into a field.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <emscripten/emscripten.h>

#include "calc/calc_model.h"
#include "web/changes.h"

namespace {

using namespace vorlenta;

struct Page {
    explicit Page(Notation notation) : model(std::move(notation))
    {
        model.store().add_change_listener([this](Field field) { changes |= page_changes::field(field); });
        model.on_panels_changed([this](bool) { changes |= page_changes::panels; });
        model.on_caption_changed([this](ExchangeButton, const std::string &) { changes |= page_changes::caption; });
    }

    std::uint32_t take_changes() { return std::exchange(changes, 0u); }

    CalcModel model;
    std::uint32_t changes = 0;
};

std::unique_ptr<Page> page;
// The text the page hands in: the notation's pieces, then each edit.
std::string incoming;

std::optional<Field> field_of(int number)
{
    if (number < 1 || number > field_count)
        return std::nullopt;
    return static_cast<Field>(number);
}

ExchangeButton button_of(int number)
{
    return number == 1 ? ExchangeButton::Command1 : ExchangeButton::Command2;
}

// Runs an action of the user on the model, if the field is one.
template <typename Action>
std::uint32_t on_field(int number, Action action)
{
    if (!page)
        return 0;
    if (const std::optional<Field> field = field_of(number))
        action(*field);
    return page->take_changes();
}

} // namespace

extern "C" {

// A buffer of at least size bytes for the page to write a UTF-8 text into.
EMSCRIPTEN_KEEPALIVE char *vl_incoming(int size)
{
    incoming.assign(std::size_t(size > 0 ? size : 0), '\0');
    return incoming.data();
}

// Starts the model in the notation written into the buffer as five texts,
// each ended by a NUL: decimal point, minus, plus, exponent, zero digit. Then
// loads as the window does: every field "0.00", both arrows "<->".
EMSCRIPTEN_KEEPALIVE std::uint32_t vl_start()
{
    Notation notation;
    std::string *pieces[] = {&notation.decimal_point, &notation.minus, &notation.plus, &notation.exponent,
                             &notation.zero_digit};
    std::size_t at = 0;
    for (std::string *piece : pieces) {
        const std::size_t end = incoming.find('\0', at);
        if (end == std::string::npos)
            break;
        if (end > at)
            *piece = incoming.substr(at, end - at);
        at = end + 1;
    }
    page = std::make_unique<Page>(std::move(notation));

    page->model.load();
    return page->take_changes();
}

// The user changed the field's text to the one in the buffer (NUL-ended); a
// conversion field converts from it.
EMSCRIPTEN_KEEPALIVE std::uint32_t vl_edit(int field)
{
    return on_field(field, [](Field f) {
        page->model.store().set_text(f, incoming.c_str());
        page->model.convert_from(f);
    });
}

EMSCRIPTEN_KEEPALIVE std::uint32_t vl_leave(int field)
{
    return on_field(field, [](Field f) { page->model.leave(f); });
}

// The field's text, NUL-ended; valid until the next action.
EMSCRIPTEN_KEEPALIVE const char *vl_text(int field)
{
    const std::optional<Field> f = field_of(field);
    return page && f ? page->model.store().text(*f).c_str() : "";
}

EMSCRIPTEN_KEEPALIVE const char *vl_caption(int button)
{
    return page ? page->model.caption(button_of(button)).c_str() : "";
}

EMSCRIPTEN_KEEPALIVE int vl_panels_enabled()
{
    return page && page->model.panels_enabled();
}

// Whether the running speed and cycling power lack a body mass to convert by.
EMSCRIPTEN_KEEPALIVE int vl_body_mass_missing()
{
    return !page || page->model.body_mass().missing();
}

// Whether the panel FrameN is one of those that need a body mass.
EMSCRIPTEN_KEEPALIVE int vl_needs_body_mass(int panel)
{
    return panel >= 1 && panel <= panel_count && needs_body_mass(static_cast<Panel>(panel));
}

} // extern "C"

// SPDX-License-Identifier: MIT
#pragma once

// The window's behaviour without any toolkit: the field texts (through the
// store), the shared body mass, the enabled state of the panels that need a
// body mass, the exchange buttons' captions and clicks, and the change events
// that run the calculators. A host (the window, the page) mirrors this model
// and forwards the user's typing, leaving, key presses and clicks to it:
// - it hands in its notation at construction and writes every edit of a field
//   with store().set_text (UTF-8);
// - it mirrors store().add_change_listener, on_panels_changed and
//   on_caption_changed into its controls, and answers on_body_mass_missing;
// - it calls leave, key_down, Command1_Click and Command2_Click as the user
//   acts; its load writes 0 in the pattern "0.00" into every field and sets
//   both captions to "<->".
// The C++ standard library only.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/body_mass.h"
#include "fields/field_table.h"
#include "fields/text_store.h"

namespace vorlenta {

class CalcModel {
public:
    using PanelsListener = std::function<void(bool enabled)>;
    using CaptionListener = std::function<void(ExchangeButton, const std::string &caption)>;
    // Asked to tell the user, in a modal message box with the exclamation
    // icon and the application's title, to insert a body mass first; returns
    // when the user has dismissed it. The words are the host's.
    using BodyMassRequest = std::function<void()>;

    // Numbers are read and written in the host's notation.
    explicit CalcModel(Notation notation = {});
    CalcModel(const CalcModel &) = delete;
    CalcModel &operator=(const CalcModel &) = delete;

    TextStore &store() { return m_store; }
    const TextStore &store() const { return m_store; }

    const BodyMass &body_mass() const { return m_body; }

    // Whether the panels that need a body mass (needs_body_mass) are enabled:
    // only while Text11 holds a number above 0. Enabled, as the window is
    // designed, until the first change of Text11 decides.
    bool panels_enabled() const { return m_panels_enabled; }

    const std::string &caption(ExchangeButton button) const;

    void on_panels_changed(PanelsListener listener);
    void on_caption_changed(CaptionListener listener);
    void on_body_mass_missing(BodyMassRequest request);

    // What a face that has no control list of its own does when it opens, as
    // the window's load does: "0.00" into every field in the order of the
    // window's control list (each write runs its calculations), then "<->"
    // on both exchange buttons.
    void load();

    // What the user does.
    void leave(Field field);    // the field lost the focus to another control
    void key_down(Field field); // a key reached the field, before it acts
    void Command1_Click();      // lb <--> kg
    void Command2_Click();      // running speed <--> cycling power

    // For a face whose converters follow the typing instead of a click (the
    // page), after each edit of a conversion field: the other field of its
    // panel shows the conversion from it, by the exchange button's own
    // arithmetic in that direction and from the number as leaving the field
    // would rewrite it (the digits of a click in the window); zero when there
    // is nothing to convert. The arrow turns as a key press turns it. The
    // running speed and cycling power need a body mass: without one the other
    // field shows zero, and no message is asked for; every later change of the
    // body mass converts again from the field typed in last. Other fields are
    // ignored.
    void convert_from(Field field);

private:
    void field_changed(Field field);
    void Text11_Change();
    void set_panels_enabled(bool enabled);
    void set_caption(ExchangeButton button, const std::string &caption);

    TextStore m_store;
    BodyMass m_body;
    bool m_panels_enabled = true;
    std::string m_captions[2] = {"Command1", "Command2"};
    std::vector<PanelsListener> m_panels_listeners;
    std::vector<CaptionListener> m_caption_listeners;
    BodyMassRequest m_body_mass_missing;
    // The running/cycling field that convert_from converted from last.
    std::optional<Field> m_running_source;
};

} // namespace vorlenta

#pragma once

// The window's behaviour without any toolkit: the field texts (through the
// store), the shared body mass, the enabled state of the panels that need a
// body mass, the exchange buttons' captions and clicks, and the change events
// that run the calculators. The window mirrors this model and forwards the
// user's typing, leaving, key presses and clicks to it.

#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "fields/field_table.h"
#include "fields/text_store.h"

namespace vorlenta {

class CalcModel {
public:
    using PanelsListener = std::function<void(bool enabled)>;
    using CaptionListener = std::function<void(ExchangeButton, const QString &caption)>;
    // Asked to tell the user, in a modal message box with the exclamation
    // icon and the application's title, to insert a body mass first; returns
    // when the user has dismissed it. The words are the host's.
    using BodyMassRequest = std::function<void()>;

    CalcModel();
    CalcModel(const CalcModel &) = delete;
    CalcModel &operator=(const CalcModel &) = delete;

    TextStore &store() { return m_store; }
    const TextStore &store() const { return m_store; }

    // The body mass in kilograms; empty until Text11 first held a number.
    std::optional<float> body_mass() const { return m_body_mass; }

    // Whether Frame3 ("FF Mass") and Frame4 ("Cycling Power (Watts)") are
    // enabled: only while Text11 holds a number above 0. Enabled, as the
    // window is designed, until the first change of Text11 decides.
    bool panels_enabled() const { return m_panels_enabled; }

    QString caption(ExchangeButton button) const;
    void set_caption(ExchangeButton button, const QString &caption);

    void on_panels_changed(PanelsListener listener);
    void on_caption_changed(CaptionListener listener);
    void on_body_mass_missing(BodyMassRequest request);

    // What the user does.
    void leave(Field field);     // the field lost the focus to another control
    void key_down(Field field);  // a key reached the field, before it acts
    void Command1_Click();       // lb <--> kg
    void Command2_Click();       // running speed <--> cycling power

    // How many times the cycling power has run since construction.
    int cycling_power_runs() const { return m_cycling_power_runs; }

private:
    void field_changed(Field field);
    void Text11_Change();
    void run_cycling_power();
    void set_panels_enabled(bool enabled);

    TextStore m_store;
    std::optional<float> m_body_mass;
    bool m_panels_enabled = true;
    QString m_captions[2] = {QStringLiteral("Command1"), QStringLiteral("Command2")};
    std::vector<PanelsListener> m_panels_listeners;
    std::vector<CaptionListener> m_caption_listeners;
    BodyMassRequest m_body_mass_missing;
    int m_cycling_power_runs = 0;
};

} // namespace vorlenta

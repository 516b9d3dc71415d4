// SPDX-License-Identifier: MIT
#include "calc_model.h"

#include <utility>

#include "calc/acceleration.h"
#include "calc/cycling_power.h"
#include "calc/fat_free_mass.h"
#include "calc/field_values.h"
#include "calc/mass_conversion.h"
#include "calc/one_rep_max.h"
#include "calc/running_cycling.h"
#include "fields/field_rules.h"
#include "fields/number_format.h"

namespace vorlenta {
namespace {

std::size_t index_of(ExchangeButton button)
{
    return button == ExchangeButton::Command1 ? 0 : 1;
}

} // namespace

CalcModel::CalcModel(Notation notation) : m_store(std::move(notation))
{
    m_store.add_change_listener([this](Field field) { field_changed(field); });
}

const std::string &CalcModel::caption(ExchangeButton button) const
{
    return m_captions[index_of(button)];
}

void CalcModel::set_caption(ExchangeButton button, const std::string &caption)
{
    std::string &current = m_captions[index_of(button)];
    if (current == caption)
        return;
    current = caption;
    for (const CaptionListener &listener : m_caption_listeners)
        listener(button, caption);
}

void CalcModel::on_panels_changed(PanelsListener listener)
{
    m_panels_listeners.push_back(std::move(listener));
}

void CalcModel::on_caption_changed(CaptionListener listener)
{
    m_caption_listeners.push_back(std::move(listener));
}

void CalcModel::on_body_mass_missing(BodyMassRequest request)
{
    m_body_mass_missing = std::move(request);
}

void CalcModel::load()
{
    const std::string zero = render(0.0, Pattern::TwoDecimals, m_store.notation());
    for (const Field field : control_order)
        m_store.set_text(field, zero);
    set_caption(ExchangeButton::Command1, "<->");
    set_caption(ExchangeButton::Command2, "<->");
}

void CalcModel::leave(Field field)
{
    leave_field(m_store, field);
}

void CalcModel::key_down(Field field)
{
    if (const std::optional<ArrowTurn> turn = vorlenta::key_down(m_store, field))
        set_caption(turn->button, turn->caption);
}

void CalcModel::Command1_Click()
{
    exchange_mass_units(m_store);
}

void CalcModel::Command2_Click()
{
    if (exchange_running_cycling(m_store, m_body) == Conversion::BodyMassMissing && m_body_mass_missing)
        m_body_mass_missing();
}

void CalcModel::convert_from(Field field)
{
    if (!entry_of(field).key_rule)
        return;
    key_down(field);
    switch (const Quantity source = quantity_of(field)) {
    case Quantity::Kilograms: kgtolb(m_store); break;
    case Quantity::Pounds: lbtokg(m_store); break;
    default:
        m_running_source = field;
        convert_as_left(m_store, m_body, source);
        break;
    }
}

void CalcModel::field_changed(Field field)
{
    switch (quantity_of(field)) {
    case Quantity::Load:
    case Quantity::Repetitions: onerm_calculation(m_store, m_body); break;
    case Quantity::Distance1:
    case Quantity::Time1:
    case Quantity::Distance2:
    case Quantity::Time2: accel_calculation(m_store); break;
    case Quantity::BodyMass: Text11_Change(); break;
    case Quantity::BodyFat:
    case Quantity::TargetBodyFat: ffm_calculation(m_store, m_body); break;
    case Quantity::Speed:
    case Quantity::BikeMass:
    case Quantity::Grade:
    case Quantity::Power: // the results too: their writes rerun the calculation
    case Quantity::PowerPerKg: calculate_cycling_power(m_store, m_body); break;
    default: // the conversion fields and the other results run nothing
        break;
    }
}

void CalcModel::Text11_Change()
{
    take_body_mass(m_body, m_store);
    set_panels_enabled(m_body.enables_panels());

    // The calculations run whatever the outcome above; each has its guards.
    calculate_cycling_power(m_store, m_body);
    ffm_calculation(m_store, m_body);
    onerm_calculation(m_store, m_body);
    // A conversion by body mass that follows the typing follows the body mass too.
    if (m_running_source)
        convert_from(*m_running_source);
}

void CalcModel::set_panels_enabled(bool enabled)
{
    if (m_panels_enabled == enabled)
        return;
    m_panels_enabled = enabled;
    for (const PanelsListener &listener : m_panels_listeners)
        listener(enabled);
}

} // namespace vorlenta

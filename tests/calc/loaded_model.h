#pragma once

// A model brought into the state the window shows at first display: every
// field written "0.00" in the order of the window's control list (each write
// runs its change event, as loading does) and both exchange buttons "<->".

#include <array>
#include <initializer_list>
#include <utility>

#include "calc/calc_model.h"
#include "fields/number_format.h"

namespace vorlenta::testing {

inline constexpr std::array<Field, field_count> control_list_order{
    Field::Text23, Field::Text1,  Field::Text11, Field::Text22, Field::Text21, Field::Text20,
    Field::Text19, Field::Text18, Field::Text17, Field::Text16, Field::Text12, Field::Text13,
    Field::Text14, Field::Text15, Field::Text2,  Field::Text3,  Field::Text4,  Field::Text5,
    Field::Text10, Field::Text9,  Field::Text8,  Field::Text7,  Field::Text6,
};

inline void load(CalcModel &model)
{
    for (const Field field : control_list_order)
        model.store().set_text(field, render(0.0, Pattern::TwoDecimals));
    model.set_caption(ExchangeButton::Command1, QStringLiteral("<->"));
    model.set_caption(ExchangeButton::Command2, QStringLiteral("<->"));
}

// Sets the texts as typing would, one change event each.
inline void type(CalcModel &model, std::initializer_list<std::pair<Field, const char16_t *>> entries)
{
    for (const auto &[field, text] : entries)
        model.store().set_text(field, QString::fromUtf16(text));
}

} // namespace vorlenta::testing

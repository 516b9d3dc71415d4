#include "field_table.h"

#include <algorithm>

namespace vorlenta {
namespace {

using enum Field;
using enum Panel;
constexpr auto one = Pattern::OneDecimal;
constexpr auto two = Pattern::TwoDecimals;

constexpr KeyRule zeroes(Field partner, ExchangeButton button, const char16_t *arrow)
{
    return KeyRule{partner, button, arrow};
}

const std::array<FieldEntry, field_count> entries{{
    {Text1, "Text1", 5, one, Frame7, zeroes(Text23, ExchangeButton::Command1, u"->")},
    {Text2, "Text2", 6, one, Frame2, {}},
    {Text3, "Text3", 6, one, Frame2, {}},
    {Text4, "Text4", 6, one, Frame2, {}},
    {Text5, "Text5", 6, one, Frame2, {}},
    {Text6, "Text6", 6, two, Frame1, {}},
    {Text7, "Text7", 6, two, Frame1, {}},
    {Text8, "Text8", 6, two, Frame1, {}},
    {Text9, "Text9", 6, two, Frame1, {}},
    {Text10, "Text10", 6, std::nullopt, Frame1, {}},
    {Text11, "Text11", 6, one, Frame6, {}},
    {Text12, "Text12", 6, one, Frame3, {}},
    {Text13, "Text13", 6, one, Frame3, {}},
    {Text14, "Text14", 6, one, Frame3, {}},
    {Text15, "Text15", 6, one, Frame3, {}},
    {Text16, "Text16", 4, one, Frame4, {}},
    {Text17, "Text17", 4, one, Frame4, {}},
    {Text18, "Text18", 4, one, Frame4, {}},
    {Text19, "Text19", 4, one, Frame4, {}},
    {Text20, "Text20", 4, one, Frame4, {}},
    {Text21, "Text21", 5, one, Frame5, zeroes(Text22, ExchangeButton::Command2, u"->")},
    {Text22, "Text22", 5, one, Frame5, zeroes(Text21, ExchangeButton::Command2, u"<-")},
    {Text23, "Text23", 5, one, Frame7, zeroes(Text1, ExchangeButton::Command1, u"<-")},
}};

} // namespace

std::span<const FieldEntry, field_count> field_entries()
{
    return entries;
}

const FieldEntry &entry_of(Field field)
{
    return entries[std::size_t(index_of(field))];
}

std::optional<Field> field_named(QStringView name)
{
    const auto found = std::ranges::find_if(
        entries, [&](const FieldEntry &entry) { return name == QLatin1String(entry.name); });
    if (found == entries.end())
        return std::nullopt;
    return found->field;
}

} // namespace vorlenta

#include "body_mass.h"

#include "fields/number_format.h"

namespace vorlenta {

std::optional<float> read_body_mass(const TextStore &store)
{
    return to_single(store.text(Field::Text11));
}

bool holds_body_mass(const TextStore &store)
{
    return read_body_mass(store).has_value();
}

} // namespace vorlenta

// SPDX-License-Identifier: MIT
#include <vorlenta/eval/eval_error.h>

#include "eval/errors.h"
#include "eval/fault_words.h"

namespace vorlenta {

class EvalError::Private {
public:
    std::int32_t number;
    std::string source;
    std::string description;
    int position;
    std::string what;
};

EvalError error_for(std::int32_t number, const char *source)
{
    return EvalError(number, source, fault_words(number).description);
}

EvalError::EvalError(std::int32_t number, std::string source, std::string description, int position)
{
    std::string what = std::to_string(number) + ", " + description;
    if (position > 0)
        what += " (position " + std::to_string(position) + ")";
    d = std::make_shared<const Private>(
        Private{number, std::move(source), std::move(description), position, std::move(what)});
}

EvalError::EvalError(const EvalError &other) noexcept = default;
EvalError &EvalError::operator=(const EvalError &other) noexcept = default;
EvalError::~EvalError() = default;

std::int32_t EvalError::number() const noexcept
{
    return d->number;
}

const std::string &EvalError::source() const noexcept
{
    return d->source;
}

const std::string &EvalError::description() const noexcept
{
    return d->description;
}

int EvalError::position() const noexcept
{
    return d->position;
}

const char *EvalError::what() const noexcept
{
    return d->what.c_str();
}

} // namespace vorlenta

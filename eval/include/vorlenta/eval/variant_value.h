// SPDX-License-Identifier: MIT
#pragma once

// The evaluator's dynamically typed value: empty, a number (double) or a text
// (UTF-8). The stack and the symbol table keep values with their kind;
// arithmetic counts the empty value as 0. A plain value type.

#include <cstddef>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace vorlenta {

class VariantValue {
public:
    enum class Kind { Empty, Number, Text };

    VariantValue() = default;
    VariantValue(double number) : m_value(number) {}
    // Any other number as a double: Add("x", 0) is the number 0, not a
    // null text.
    template <typename Number, std::enable_if_t<std::is_arithmetic_v<Number>, int> = 0>
    VariantValue(Number number) : m_value(static_cast<double>(number))
    {
    }
    // A null pointer is neither a number nor a text.
    VariantValue(std::nullptr_t) = delete;
    VariantValue(std::string text) : m_value(std::move(text)) {}
    VariantValue(std::string_view text) : m_value(std::string(text)) {}
    // A null pointer held in a variable gives the empty value.
    VariantValue(const char *text)
    {
        if (text)
            m_value = std::string(text);
    }

    Kind kind() const noexcept { return Kind(m_value.index()); }
    bool is_empty() const noexcept { return kind() == Kind::Empty; }
    bool is_number() const noexcept { return kind() == Kind::Number; }
    bool is_text() const noexcept { return kind() == Kind::Text; }

    // Only valid for the matching kind (std::bad_variant_access otherwise).
    double number() const { return std::get<double>(m_value); }
    const std::string &text() const { return std::get<std::string>(m_value); }

    friend bool operator==(const VariantValue &a, const VariantValue &b) { return a.m_value == b.m_value; }
    friend bool operator!=(const VariantValue &a, const VariantValue &b) { return !(a == b); }

private:
    std::variant<std::monostate, double, std::string> m_value;
};

} // namespace vorlenta

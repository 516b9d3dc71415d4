// SPDX-License-Identifier: MIT
#pragma once

// The evaluator's dynamically typed value: empty, a number (double) or a text
// (UTF-8). The stack and the symbol table keep values with their kind;
// arithmetic counts the empty value as 0. A plain value type.

#include <string>
#include <string_view>
#include <variant>

namespace vorlenta {

class VariantValue {
public:
    enum class Kind { Empty, Number, Text };

    VariantValue() = default;
    VariantValue(double number) : m_value(number) {}
    VariantValue(std::string text) : m_value(std::move(text)) {}
    VariantValue(std::string_view text) : m_value(std::string(text)) {}
    VariantValue(const char *text) : m_value(std::string(text)) {}

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

// SPDX-License-Identifier: MIT
#include "fixed_decimals.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace vorlenta {
namespace {

constexpr std::uint32_t limb_base = 1000000000; // nine decimal digits a limb

// The decimal digits of mantissa × 2^exponent, an integer of up to 309 digits.
std::string integer_digits(std::uint64_t mantissa, int exponent)
{
    std::vector<std::uint32_t> limbs; // least significant first
    for (; mantissa != 0; mantissa /= limb_base)
        limbs.push_back(std::uint32_t(mantissa % limb_base));
    while (exponent > 0) {
        const int shift = std::min(exponent, 32);
        exponent -= shift;
        std::uint64_t carry = 0;
        for (std::uint32_t &limb : limbs) {
            const std::uint64_t product = (std::uint64_t(limb) << shift) + carry;
            limb = std::uint32_t(product % limb_base);
            carry = product / limb_base;
        }
        for (; carry != 0; carry /= limb_base)
            limbs.push_back(std::uint32_t(carry % limb_base));
    }
    if (limbs.empty())
        return "0";
    std::string digits = std::to_string(limbs.back());
    for (auto limb = limbs.rbegin() + 1; limb != limbs.rend(); ++limb) {
        const std::string part = std::to_string(*limb);
        digits.append(9 - part.size(), '0').append(part);
    }
    return digits;
}

} // namespace

std::string fixed_decimals(double magnitude, int decimals)
{
    // magnitude = mantissa × 2^exponent exactly, with a whole mantissa.
    int binary_exponent = 0;
    const double fraction = std::frexp(magnitude, &binary_exponent);
    const auto mantissa = std::uint64_t(std::ldexp(fraction, 53));
    const int exponent = binary_exponent - 53;

    std::uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;

    std::string digits;
    if (exponent >= 0) {
        // A whole number: its digits, then zeros for the decimals.
        digits = integer_digits(mantissa, exponent).append(std::size_t(decimals), '0');
    } else {
        // mantissa × 10^decimals / 2^-exponent, rounded half away from zero.
        // The product stays below 2^53 × 1000 < 2^63; from a shift of 64 on,
        // the quotient is 0 and the rest below half of the divisor.
        const int shift = -exponent;
        const std::uint64_t scaled = mantissa * scale;
        std::uint64_t whole = 0;
        if (shift < 64) {
            whole = scaled >> shift;
            const std::uint64_t rest = scaled - (whole << shift);
            if (rest >= std::uint64_t(1) << (shift - 1))
                ++whole;
        }
        digits = std::to_string(whole);
    }
    if (digits.size() <= std::size_t(decimals))
        digits.insert(0, std::size_t(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - std::size_t(decimals), 1, '.');
    return digits;
}

} // namespace vorlenta

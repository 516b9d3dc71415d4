// SPDX-License-Identifier: MIT
#pragma once

// The evaluation's operators on doubles, with the runtime's checks: a result
// that is not a finite double never comes back; the fault is raised instead as
// division by zero (11), invalid argument (5) or overflow (6).

namespace vorlenta::arithmetic {

double add(double left, double right);
double subtract(double left, double right);
double multiply(double left, double right);
double divide(double left, double right);
double power(double base, double exponent);
double square_root(double value);
double exponential(double value);
double logarithm(double value);
double percent(double value);
double negate(double value);

} // namespace vorlenta::arithmetic

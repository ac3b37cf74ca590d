#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The arithmetic conventions that every demonstration shares.
namespace number_rules {

// Every computation uses this eight-digit value, never the full double-precision pi.
inline constexpr double kPi = 3.1415926;

// The numeric value of a typed text: leading blanks skipped, then the longest leading decimal
// number (optional sign, digits, optional fraction, optional exponent); 0.0 when the text does
// not start with one. Nothing else is a number: "inf", "nan" and "0x10" give 0, 0 and 0.
// A number beyond the double range does not become infinity: it saturates to the largest
// finite double of its sign. One too small to represent becomes 0.
double numericValue(std::string_view text);

// The whole text as one decimal number by the same grammar, read the same way, with nothing
// before or after it; nothing when it is not one or lies beyond the double range. One too small
// to represent becomes 0.
std::optional<double> wholeDecimal(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour, as a 16-bit signed integer.
// A value that is not finite or does not fit is a ProgramError.
std::int16_t roundToInt16(double value);

// The largest whole number not above the value.
double floorOf(double value);

// The product of two 16-bit signed integers, taken in 16-bit arithmetic; an overflow is a
// ProgramError.
std::int16_t multiplyInt16(std::int16_t a, std::int16_t b);

// A value is a usable control coordinate when it is finite and fits a single-precision float.
bool fitsSingle(double value);

// Numbers written for a file, a command line or a sentence: with a point, whatever the user's
// locale writes ("1.5" under a German locale too), and read back by numericValue.
// The value to `decimals` places, rounded to the nearest, halves to even ("2.50").
std::string fixedText(double value, int decimals);
// The value to the nearest whole number, halves away from zero, never "-0" ("-45" for -45.3).
std::string wholeText(double value);
// The shortest text that reads back as the value, plain ("2400", "0.5") or with an exponent
// ("1e+20"), whichever is shorter, plain on a tie; "-0" for minus zero. Not for non-finite values.
std::string shortestText(double value);

}  // namespace number_rules

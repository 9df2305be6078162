#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Every conversion between binary floating point and decimal text goes through here. Where
// the C++ library has floating-point std::to_chars and std::from_chars they do the work;
// elsewhere (the WebAssembly build's library lacks them) the C library's correctly rounded
// printf and strtod give the same texts and values.
namespace numbers {

// "d.ddde+XX" with the given number of digits after the point, correctly rounded.
std::string scientificText(double value, int precision);

// Fixed notation with the given number of decimals, correctly rounded; finite values only.
std::string fixedPointText(double value, int decimals);

// The shortest text that reads back to the same value: plain ("0.001", "123456792") or
// scientific ("1e-05", "1.5e+20"), whichever is shorter, plain on a tie, with the digits
// nearest the value among the shortest; finite values only.
std::string roundTripText(float value);
std::string roundTripText(double value);

// The length of the decimal number at the start of the text: an optional sign, digits with
// an optional "." (at least one digit), an optional exponent ("e" or "E", optional sign,
// digits). No blanks, no hex, no inf or nan. 0 when it does not start with one.
std::size_t decimalNumberLength(std::string_view text);

// The double nearest the decimal number that is the whole text: beyond the largest double an
// infinity, below the smallest a zero, each with the text's sign. Nothing for other texts.
std::optional<double> parseDecimal(std::string_view text);

} // namespace numbers

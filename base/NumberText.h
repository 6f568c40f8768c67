#pragma once

#include <optional>
#include <string>
#include <string_view>

// Numbers as they appear in captions, reports and data files, and text typed into number boxes
// read back as a number. All forms use the point as decimal separator, whatever the locale.
// Infinity and NaN are written as "inf" and "nan" in place of the digits.

// x laid out by a number pattern: leading literal characters, integer digit places ('0' shows a
// digit or a zero, '#' a digit or nothing), '.', decimal places, trailing literal characters.
// Rounds the 15-significant-digit form of x to the decimal places, halves away from zero.
// Integer digits are never cut. A minus sign stands directly before the digits.
std::string PatternText(double x, std::string_view pattern);

// Caption form: a blank or '-', then the general form without a zero before the point (" .25").
std::string SignedNumberText(double x);

// A number written by a print statement: a blank or '-', the general form, a trailing blank.
std::string PrintItemText(double x);

// The general form with '-' only when negative and no blanks.
std::string PlainNumberText(double x);

// The shortest text that reads back to the same double ("0.1", "0.30000000000000004", "1e-300"),
// the point as decimal separator whatever the locale. For files meant for other programs.
std::string RoundTripText(double x);
// The same appended to out, for files of many numbers.
void AppendRoundTripText(std::string& out, double x);

// The longest leading decimal number of the text, none when the text does not start with one.
// Blanks, tabs and line feeds are skipped wherever they stand; the exponent may be written with
// E or D.
std::optional<double> ReadLeadingNumber(std::string_view text);

// The leading decimal number as above, 0 when there is none.
double ReadNumber(std::string_view text);

// Whether the whole text is one decimal number: blanks around, a sign, digits with at most one
// point, an exponent with e or E. Refuses what ReadNumber would take only in part or as 0
// ("2.5 m", "abc", ""), and "inf" and "nan".
bool IsStrictNumber(std::string_view text);

// The number of a text IsStrictNumber accepts, none for any other text and for a number beyond
// the range of a double.
std::optional<double> ReadStrictNumber(std::string_view text);

#pragma once

#include <QString>
#include <QStringView>

// Decimal text: every number of the program is stored as Italian text
// (comma decimals, dot thousands). These functions are the only way numbers
// go to and come from text, so that rounding and parsing are the same in the
// totals, the line computation, the XML files, the import and the prints.
namespace DecimalText {

// Writes value with a format pattern such as "######0.00" or "##,###0.000":
// '0' is a required digit, '#' an optional one, '.' marks the decimal
// separator (written as ','), a ',' anywhere before it asks for thousands
// grouping (written as '.', every three integer digits). All the integer
// digits the value needs are written, and exactly as many decimals as the
// pattern has ('#' decimals are dropped when they are trailing zeros).
// Rounding is half away from zero on the decimal expansion of value taken
// to 18 significant digits, so 0,005 gives 0,01 and the float 1234567,875
// gives 1234567,88. A value that rounds to zero carries no minus sign.
// Magnitudes from 1E18 on have no fixed form and are written as generalText.
QString format(long double value, QStringView pattern);

// Strict reading: optional blanks, optional sign, digits with an optional
// comma and decimals, an optional exponent (E or e, optional sign, digits),
// optional blanks. No grouping dots, no point as decimal separator.
// Anything else, empty text included, throws AppError with
// "'<text>' is not a valid floating point value".
long double readStrict(const QString &text);

// As readStrict, but a text that is not a number reads as 0.
long double readLenient(const QString &text) noexcept;

// As readStrict, returning false (and leaving *value alone) on failure.
bool tryReadStrict(const QString &text, long double *value) noexcept;

// Grouped reading, for columns read as a plain value and converted: the
// strict form where the integer part may also hold grouping dots anywhere
// after its first digit ("1.234,50", "1234,5", "1.2.3" all read; ".5"
// and "1,2.3" do not). Dots only group, they never mark decimals.
// Failure throws the same conversion error as readStrict.
long double readGrouped(const QString &text);

// The number form of the XML files: text read with readGrouped, written with
// pattern, every ',' then replaced by '.' ("1.234,5" with "######0.00"
// gives "1234.50"). Throws AppError when the text is not a number.
QString xmlNumber(const QString &text, QStringView pattern);

// General text: value rounded to 15 significant digits, comma decimals, no
// trailing zeros, no grouping ("22", "10,5"). Fixed notation from 0,00001
// up to 15 integer digits, otherwise scientific ("1E15", "1,5E-6").
QString generalText(long double value);

} // namespace DecimalText

// Working values of the computations (line, totals, import slots, footers)
// are single precision: each one is stored as a float, rounded to 32 bits
// when it is stored, and every expression over them is evaluated in long
// double (the 80-bit extended type of x86-64, 64-bit significand) before
// being stored or formatted. So a sum of 1234567,89 is held as 1234567,875
// and written 1234567,88.
using Single = float;

inline Single toSingle(long double v)
{
    return static_cast<Single>(v);
}

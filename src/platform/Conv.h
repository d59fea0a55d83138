#pragma once
#include <QString>
#include <optional>

// The conversions of loosely typed values (text as typed) to numbers, in one place.
namespace Conv {
// A number typed with either decimal separator, blanks around it allowed.
std::optional<double> toNumber(const QString &text);
// 16-bit integer, a half rounded to the even neighbour; nothing when not a number or out of range.
std::optional<qint16> toInt16(const QString &text);
// Single precision.
std::optional<float> toSingle(const QString &text);
} // namespace Conv

#include "platform/Conv.h"

#include <cmath>

std::optional<double> Conv::toNumber(const QString &text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<qint16> Conv::toInt16(const QString &text)
{
    const auto v = toNumber(text);
    if (!v)
        return std::nullopt;
    const double r = std::nearbyint(*v); // default rounding mode: half to even
    if (r < -32768.0 || r > 32767.0)
        return std::nullopt;
    return static_cast<qint16>(r);
}

std::optional<float> Conv::toSingle(const QString &text)
{
    const auto v = toNumber(text);
    if (!v)
        return std::nullopt;
    return static_cast<float>(*v);
}

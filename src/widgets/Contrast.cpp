#include "Contrast.h"

#include <cmath>

namespace orbika {

namespace {
double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

double ContrastRatio(const QColor& first, const QColor& second) {
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool IsDarkBackground(const QColor& background) {
    // Below this, white text has more contrast than black.
    return RelativeLuminance(background) < 0.179;
}

QColor ReadableColour(const QColor& designed, const QColor& background) {
    if (!IsDarkBackground(background) || ContrastRatio(designed, background) >= kMinimumContrast)
        return designed;
    const QColor from = designed.toRgb();
    // Steps of 2% toward white keep the hue and stop at the first variant that is enough.
    for (int step = 1; step <= 50; ++step) {
        const double t = step / 50.0;
        const QColor lighter = QColor::fromRgbF(float(from.redF() + (1 - from.redF()) * t),
                                                float(from.greenF() + (1 - from.greenF()) * t),
                                                float(from.blueF() + (1 - from.blueF()) * t));
        if (ContrastRatio(lighter, background) >= kMinimumContrast)
            return lighter;
    }
    return Qt::white;
}

} // namespace orbika

#pragma once
// Text colours that stay readable on dark palettes. On a light background the designed colour is
// kept exactly; on a dark one a colour that falls short of 4.5:1 (the WCAG AA level for body
// text) is lightened until it reaches it.

#include <QColor>

namespace orbika {

inline constexpr double kMinimumContrast = 4.5;

// WCAG 2 relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(const QColor& colour);
// WCAG 2 contrast ratio, 1 to 21.
double ContrastRatio(const QColor& first, const QColor& second);
bool IsDarkBackground(const QColor& background);
// `designed` where it reads well on `background` or the background is light; otherwise the
// nearest lighter variant of it with at least kMinimumContrast.
QColor ReadableColour(const QColor& designed, const QColor& background);

} // namespace orbika

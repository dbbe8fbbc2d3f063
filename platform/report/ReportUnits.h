#pragma once
// Bands and printable controls are laid out in design units of 1/96 inch, as
// on the screen the layouts were drawn on; pages are in millimetres.

inline constexpr double kDesignUnitsPerInch = 96.0;
inline constexpr double kMmPerDesignUnit = 25.4 / kDesignUnitsPerInch;

inline constexpr double DesignToMm(double units) {
    return units * kMmPerDesignUnit;
}
inline constexpr double MmToDesign(double mm) {
    return mm / kMmPerDesignUnit;
}

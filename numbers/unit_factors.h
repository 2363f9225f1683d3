// The factors every conversion between units multiplies by.
#pragma once

// Unit conversion factors. A reverse conversion multiplies by a stored reciprocal, never divides;
// where a pair is not reciprocal (pounds and kilograms) that is deliberate and users rely on it.
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kInchesPerMm = 0.03937007874015748; // nearest double to 1/25.4
inline constexpr double kMetersPerFoot = 0.3048;
inline constexpr double kFeetPerMeter = 3.280839895013123; // nearest double to 1/0.3048
inline constexpr double kInchesPerFoot = 12.0;
inline constexpr double kFeetPerInch = 0.08333333333333333; // nearest double to 1/12
inline constexpr double kKgPerPound = 0.4536;
inline constexpr double kPoundsPerKg = 2.2046; // deliberately not 1/0.4536: the pair drifts
inline constexpr double kKgM3PerLbFt3 = 16.01846;
inline constexpr double kLbFt3PerKgM3 = 0.06242797372531442; // nearest double to 1/16.01846
inline constexpr double kGCm3PerLbIn3 = 27.6799;
inline constexpr double kLbIn3PerGCm3 = 0.03612729814775342; // nearest double to 1/27.6799
inline constexpr double kLbIn3PerSpecificGravity = 0.0361;
inline constexpr double kSpecificGravityPerLbIn3 = 27.700831024930746; // nearest double to 1/0.0361
inline constexpr double kCubicInchesPerCubicFoot = 1728.0;
inline constexpr double kCubicFeetPerCubicInch = 0.0005787037037037037; // nearest double to 1/1728
// The two specific gravity boxes copy each other.
inline constexpr double kSpecificGravityCopy = 1.0;

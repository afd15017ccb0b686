#pragma once
// The colors of the main window's panels, labels and decorations.

#include "platform/types.h"

inline constexpr platform::Color kPanelBlue = platform::Rgb(0, 0, 192);
inline constexpr platform::Color kRed = platform::Rgb(255, 0, 0);
inline constexpr platform::Color kWhite = platform::Rgb(255, 255, 255);
inline constexpr platform::Color kYellow = platform::Rgb(255, 255, 0);
inline constexpr platform::Color kCyan = platform::Rgb(0, 255, 255);
inline constexpr platform::Color kBlack = platform::Rgb(0, 0, 0);
inline constexpr platform::Color kGrey = platform::Rgb(128, 128, 128);
inline constexpr platform::Color kLightGrey = platform::Rgb(192, 192, 192);
inline constexpr platform::Color kGreen = platform::Rgb(0, 255, 0);

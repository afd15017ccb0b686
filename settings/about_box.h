#pragma once
// The About box: the program's icon, its title in a large font, version, copyright and contacts.

#include <cstdint>
#include <string>

#include "platform/dialog.h"
#include "platform/gdi.h"
#include "platform/window.h"

inline constexpr int kIdAboutIcon = 104;
inline constexpr int kIdAboutTitle = 105;
inline constexpr int kIdAboutVersion = 106;
inline constexpr int kIdAboutCopyright = 107;
inline constexpr int kIdAboutContacts = 108;
inline constexpr int kIdAboutOk = 109;

inline constexpr const char* kAboutCopyright = "Copyright 2026 Quaxel? team";
inline constexpr const char* kAboutContact1 = "quaxel.example";
inline constexpr const char* kAboutContact2 = "play@quaxel.example";

platform::DialogTemplate AboutBoxTemplate();

// Runs the box modally over the owner, the title shown in `titleFont`; returns 1 (-1 when it
// could not open).
std::intptr_t RunAboutBox(platform::Window* owner, const std::string& title,
                          const platform::LogFont& titleFont);

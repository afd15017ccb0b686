#pragma once
// Bringing the window system up and down. Everything else in the layer needs Start first.

namespace platform {

// Starts the window system for this process (once). Returns false when no display can be had.
bool Start(int& argc, char** argv);

}  // namespace platform

#pragma once
// Our own message queue and one-shot timers: messages posted and sent to windows, timers keyed by
// (window, id), and the loop that dispatches them.

#include <cstdint>
#include <functional>

#include "platform/types.h"

namespace platform {

class Window;

using TimerProc = std::function<void(Window*, unsigned id)>;

bool PostMessage(Window* window, unsigned msg, WParam wParam, LParam lParam);
LResult SendMessage(Window* window, unsigned msg, WParam wParam, LParam lParam);
void PostQuitMessage(int exitCode);
bool QuitPosted();

// Arms a one-shot timer keyed by (window, id); arming again replaces the earlier one. When due it
// calls the callback, or with no callback delivers WM_TIMER (wParam = id) to the window. It fires
// once; killing it afterwards is harmless.
bool SetTimer(Window* window, unsigned id, unsigned delayMs, TimerProc callback = {});
bool KillTimer(Window* window, unsigned id);

// Dispatches one thing in this order: the oldest posted message; else a paint for a window with
// an invalid region (oldest window first); else the due timer with the earliest deadline (ties in
// arming order). Returns false when nothing was due.
bool DispatchOne();
// Dispatches until nothing is due at the current time. Returns the number of dispatches.
int RunUntilIdle();
// Moves the (fake) clock forward by ms, firing every timer that falls due on the way at its own
// deadline, and runs until idle at each step.
void AdvanceBy(std::int64_t ms);
// Milliseconds until the earliest armed timer is due (0 if overdue), or -1 with none armed.
std::int64_t NextTimerDelay();

// Runs the window system's loop until PostQuitMessage; returns the exit code.
int RunMessageLoop();

// Lets the toolkit do what it has pending (repaints and their transfer to the display included)
// and returns without waiting; for programs that drive the windows without RunMessageLoop.
void FlushDisplay();

}  // namespace platform

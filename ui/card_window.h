#pragma once
// The six card windows: five hand cards (0..4) and the pile (5). Each paints the picture of the
// card its position holds and reports a completed click on it as command kCmdCard0 + index.

#include "platform/gdi.h"
#include "platform/types.h"
#include "platform/window.h"

inline constexpr int kCardWindows = 6;
inline constexpr int kPileWindow = 5;
inline constexpr int kCardWidth = 80;
inline constexpr int kCardHeight = 100;

// The home rectangle of card window `index` for a client area of this width: the hand in a row
// spread over the width, below `handTop`; the pile at a fixed place above it.
platform::Rect HomeRect(int index, int clientWidth, int handTop);

extern platform::Window* cardWindows[kCardWindows];
extern platform::Rect slotRects[kCardWindows];

// The table as it was when a card started flying to the pile: the main window paints it instead
// of its panels while the card is under way.
extern platform::Dc* slideDC;
extern platform::Rect slideRect;
extern int slideInProgress;

// The main window, the card windows' parent; null before they are made.
platform::Window* TableWindow();
platform::LResult CardWindowProc(platform::Window* window, unsigned msg, platform::WParam wParam,
                                 platform::LParam lParam);

// The timed animations. Each step (card_window.cpp) stops its own timer, does one thing and arms
// the next.
void StartTurnToBack();
void StartDealChain();
void StartSlide(int index);
void StartRefill(int index, unsigned delayMs);
void StartReveal(int pick);
// Forgets a flight in progress with its snapshot, a reveal and a pressed card (the window is
// closing; the next window starts with none).
void AbandonChains();

// Where the chains hand back to the game; set once by the program.
struct CardWindowHooks {
  void (*handChanged)(platform::Window* mainWindow) = nullptr;
  void (*dealerShown)(platform::Window* mainWindow) = nullptr;
  void (*resolveDouble)(platform::Window* mainWindow, int pick) = nullptr;
  void (*playSound)(int soundId, unsigned playFlags) = nullptr;  // played directly
  // Requested from the main window, played when its loop reaches the request.
  void (*postSound)(platform::Window* mainWindow, int soundId, unsigned playFlags) = nullptr;
};
extern CardWindowHooks cardWindowHooks;

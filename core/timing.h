#pragma once
// Every delay of the game's timer chains and pauses, and the ids of its timers.

// Timer ids: the card windows' chains and the main window's auto-deal.
inline constexpr unsigned kSlideTimer = 101;
inline constexpr unsigned kBackTimer = 102;         // turn-to-back chain; refill: show the back
inline constexpr unsigned kDealTimer = 103;         // deal chain; refill: show the new card
inline constexpr unsigned kRevealFirstTimer = 104;  // later reveal steps use the window index
inline constexpr unsigned AUTO_DEAL_TIMER = 106;    // REPEAT BET's deal a second later

// Delays in milliseconds.
inline constexpr unsigned kTurnToBackFirstMs = 0;
inline constexpr unsigned kTurnToBackStepMs = 100;
inline constexpr unsigned kDealerCardAfterTurnMs = 200;
inline constexpr unsigned kDealFirstMs = 300;
inline constexpr unsigned kDealStepMs = 200;
inline constexpr unsigned kSlideFirstMs = 40;
inline constexpr unsigned kSlideStepMs = 30;
inline constexpr int kSlideSteps = 6;
inline constexpr unsigned kRefillBackMs = 100;
inline constexpr unsigned kRefillBackTenthCardMs = 300;
inline constexpr unsigned kRefillFaceMs = 50;
inline constexpr unsigned kRevealFirstMs = 300;
inline constexpr unsigned kRevealStepMs = 200;
inline constexpr unsigned kRevealPickedMs = 400;
inline constexpr unsigned kAutoDealMs = 1000;
inline constexpr unsigned kDoubleUpPauseMs = 1000;

#pragma once
// Every delay of the game's timer chains and pauses, and the ids of its timers and sounds.

// Timer ids: the card windows' chains and the main window's auto-deal.
inline constexpr unsigned kSlideTimer = 101;
inline constexpr unsigned kBackTimer = 102;         // turn-to-back chain; refill: show the back
inline constexpr unsigned kDealTimer = 103;         // deal chain; refill: show the new card
inline constexpr unsigned kRevealFirstTimer = 104;  // later reveal steps use the window index

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

// Sounds: the numbers of the embedded waves.
inline constexpr int kSoundFlush = 107;
inline constexpr int kSoundFullHouse = 108;
inline constexpr int kSoundFourOfAKind = 109;
inline constexpr int kSoundStraightFlush = 110;
inline constexpr int kSoundRoyalFlush = 112;
inline constexpr int kSoundTurnToBack = 121;
inline constexpr int kSoundDeal = 122;
inline constexpr int kSoundCard = 123;
inline constexpr int kSoundTenthCard = 124;
inline constexpr int kSoundWin = 125;
inline constexpr int kSoundOffer = 126;
inline constexpr int kSoundPick = 127;
inline constexpr int kSoundPush = 128;
inline constexpr int kSoundCongratulations = 129;
inline constexpr int kSoundPaid = 130;

// Play flags: 6 plays to the end, 7 without waiting.
inline constexpr unsigned kPlayToEnd = 6;
inline constexpr unsigned kPlayNoWait = 7;

// The forced-collect limit of the double-up, and the largest win per coin.
inline constexpr int kForcedCollectCoins = 5000;

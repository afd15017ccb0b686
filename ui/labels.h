#pragma once
// Every label of the main window, grouped by the screen area it makes up, and the colours of the
// panels. The layouts live in ui/panels.h and ui/message_panels.h.

#include <span>

#include "ui/label.h"

inline constexpr Color kPanelBlue = platform::Rgb(0, 0, 192);
inline constexpr Color kRed = platform::Rgb(255, 0, 0);
inline constexpr Color kWhite = platform::Rgb(255, 255, 255);
inline constexpr Color kYellow = platform::Rgb(255, 255, 0);
inline constexpr Color kCyan = platform::Rgb(0, 255, 255);
inline constexpr Color kBlack = platform::Rgb(0, 0, 0);
inline constexpr Color kGrey = platform::Rgb(128, 128, 128);
inline constexpr Color kLightGrey = platform::Rgb(192, 192, 192);
inline constexpr Color kGreen = platform::Rgb(0, 255, 0);

inline constexpr int kSuccessesLabels = 16;
inline constexpr int kSuccessRows = 7;
inline constexpr int kSpecialBonusLabels = 18;
inline constexpr int kTrackerCells = 52;
inline constexpr int kCardCaptions = 10;
inline constexpr int kCoinsCaptions = 3;
inline constexpr int kTitleBars = 2;

// Card-count bonus table: 0 heading, 1..7 row captions, 8 heading, 9..15 pays of rows 1..7.
extern Label successesTable[kSuccessesLabels];
// Special-bonus table: 0 heading, 1..5 hand names, 6 heading, 7..11 pays, 12 heading, 13..17 hits.
extern Label specialBonusPanel[kSpecialBonusLabels];
extern Label cardTrackerFrame;
extern Label cardTracker[kTrackerCells];  // indexed by GridIndex

extern Label succeededFrame;
extern Label numberOfCaption;
extern Label succeededCaption;
extern Label cardsCaption;
extern Label succeededMeter;

// 0..4 "SELECTABLE" under hand cards 0..4; 5 "DEALER" and 6..9 "PLAYER" under the same cards.
extern Label cardCaptions[kCardCaptions];

extern Label wagerCaption;
extern Label wagerMeter;
extern Label winCaption;
extern Label winMeter;
extern Label saveCaption;
extern Label saveMeter;
extern Label paidCaption;
extern Label paidMeter;
extern Label creditsCaption;
extern Label creditsMeter;

extern Label gameOverMessage;
extern Label goodLuckMessage;
extern Label winnerMessage;
extern Label selectCardPrompt;
extern Label insertCoinOrDealPrompt;
extern Label insertCoinBetOrDealPrompt;
extern Label doubleCollectPrompt;
extern Label doubleRulesNotice;

extern Label congratulationsMessage;

extern Label doubleTitleBars[kTitleBars];
extern Label doubleTitle;

extern Label bonusCardsCaption;
extern Label bonusCardsValue;
extern Label collectableCaption;
extern Label collectableValue;
extern Label tryLuckCaption;
extern Label tryLuckCount;
extern Label tryLuckValue;
extern Label coinsCaptions[kCoinsCaptions];

extern Label doubleSelectCardMessage;
extern Label doublePushMessage;
extern Label higherQuestion;
extern Label collectWinningsPrompt;
extern Label doubleWinnerMessage;
extern Label doubleGoodLuckMessage;
extern Label doubleDownMessage;

// The labels whose fill is the player's background colour; a new colour goes to exactly these.
std::span<Label* const> BackgroundLabels();
void ApplyBackgroundColor(Color color);
// The background colour setting of the player in play.
Color BackgroundSetting();

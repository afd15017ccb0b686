#pragma once
// Every label of the main window, grouped by the screen area it makes up. The layouts live in
// ui/panels.h and ui/message_panels.h, the colors in ui/palette.h.

#include <span>

#include "core/game_state.h"
#include "ui/label.h"

inline constexpr int kSuccessesLabels = 16;
inline constexpr int kSuccessRows = 7;
inline constexpr int kSpecialBonusLabels = 18;
inline constexpr int kTrackerCells = kFullDeckCards;
inline constexpr int kCardCaptions = 10;
inline constexpr int kCoinsCaptions = 3;
inline constexpr int kTitleBars = 2;

// The pay tables are laid out by column: a column's heading at its index, the label of row r
// (from 1) at index + r.
// Card-count bonus table: the card counts, then their pays.
inline constexpr int kSuccessCountColumn = 0;
inline constexpr int kSuccessPayColumn = 8;
extern Label successesTable[kSuccessesLabels];
// Special-bonus table: the hand names, their pays for the wager, and their hits.
inline constexpr int kSpecialNameColumn = 0;
inline constexpr int kSpecialPayColumn = 6;
inline constexpr int kSpecialHitsColumn = 12;
extern Label specialBonusPanel[kSpecialBonusLabels];
static_assert(kSuccessPayColumn == kSuccessCountColumn + kSuccessRows + 1 &&
              kSuccessesLabels == kSuccessPayColumn + kSuccessRows + 1);
static_assert(kSpecialPayColumn == kSpecialNameColumn + kSpecialBonusRows + 1 &&
              kSpecialHitsColumn == kSpecialPayColumn + kSpecialBonusRows + 1 &&
              kSpecialBonusLabels == kSpecialHitsColumn + kSpecialBonusRows + 1);
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

// The captions and values of the wager, win, saved, paid and credits meters, in that order.
std::span<Label* const> MeterLabels();
// The labels whose fill is the player's background color; a new color goes to exactly these.
std::span<Label* const> BackgroundLabels();
void ApplyBackgroundColor(Color color);

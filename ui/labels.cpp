#include "ui/labels.h"

#include <algorithm>
#include <array>

Label successesTable[kSuccessesLabels];
Label specialBonusPanel[kSpecialBonusLabels];
Label cardTrackerFrame;
Label cardTracker[kTrackerCells];

Label succeededFrame;
Label numberOfCaption;
Label succeededCaption;
Label cardsCaption;
Label succeededMeter;

Label cardCaptions[kCardCaptions];

Label wagerCaption;
Label wagerMeter;
Label winCaption;
Label winMeter;
Label saveCaption;
Label saveMeter;
Label paidCaption;
Label paidMeter;
Label creditsCaption;
Label creditsMeter;

Label gameOverMessage;
Label goodLuckMessage;
Label winnerMessage;
Label selectCardPrompt;
Label insertCoinOrDealPrompt;
Label insertCoinBetOrDealPrompt;
Label doubleCollectPrompt;
Label doubleRulesNotice;

Label congratulationsMessage;

Label doubleTitleBars[kTitleBars];
Label doubleTitle;

Label bonusCardsCaption;
Label bonusCardsValue;
Label collectableCaption;
Label collectableValue;
Label tryLuckCaption;
Label tryLuckCount;
Label tryLuckValue;
Label coinsCaptions[kCoinsCaptions];

Label doubleSelectCardMessage;
Label doublePushMessage;
Label higherQuestion;
Label collectWinningsPrompt;
Label doubleWinnerMessage;
Label doubleGoodLuckMessage;
Label doubleDownMessage;

namespace {

constexpr auto kMeterLabels = std::to_array<Label*>({
    &wagerCaption,
    &wagerMeter,
    &winCaption,
    &winMeter,
    &saveCaption,
    &saveMeter,
    &paidCaption,
    &paidMeter,
    &creditsCaption,
    &creditsMeter,
});

template <std::size_t... N>
constexpr auto Join(const std::array<Label*, N>&... parts) {
  std::array<Label*, (N + ...)> all{};
  auto at = all.begin();
  ((at = std::copy(parts.begin(), parts.end(), at)), ...);
  return all;
}

constexpr auto kBackgroundLabels =
    Join(std::to_array<Label*>({
             &cardCaptions[0],
             &cardCaptions[1],
             &cardCaptions[2],
             &cardCaptions[3],
             &cardCaptions[4],
             &cardCaptions[5],
             &cardCaptions[6],
             &cardCaptions[7],
             &cardCaptions[8],
             &cardCaptions[9],
         }),
         kMeterLabels,
         std::to_array<Label*>({
             &gameOverMessage,     &goodLuckMessage,        &winnerMessage,
             &selectCardPrompt,    &insertCoinOrDealPrompt, &insertCoinBetOrDealPrompt,
             &doubleCollectPrompt, &doubleRulesNotice,      &congratulationsMessage,
             &doubleTitle,         &bonusCardsCaption,      &bonusCardsValue,
             &collectableCaption,  &collectableValue,       &tryLuckCaption,
             &tryLuckCount,        &tryLuckValue,           &coinsCaptions[0],
             &coinsCaptions[1],    &coinsCaptions[2],       &doubleSelectCardMessage,
             &doublePushMessage,   &higherQuestion,         &collectWinningsPrompt,
             &doubleWinnerMessage, &doubleGoodLuckMessage,  &doubleDownMessage,
         }));

}  // namespace

std::span<Label* const> MeterLabels() {
  return kMeterLabels;
}

std::span<Label* const> BackgroundLabels() {
  return kBackgroundLabels;
}

void ApplyBackgroundColor(Color color) {
  for (Label* label : kBackgroundLabels)
    label->backColor = color;
}

// The card windows' timed chains on the fake clock: turning face down, dealing, the flight to the
// pile with its snapshot, the refill, the auto-deal of REPEAT BET and the double-up reveal.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gdi.h"
#include "platform/image.h"
#include "settings/players.h"
#include "tests/app/game_driver.h"

using namespace platform;

namespace {

// Pixels of the screenshot in the rectangle that differ from the picture (or from one colour).
int Differences(const Image& shot, const Rect& at, const Image* picture, Color color = 0) {
  int differing = 0;
  for (int y = 0; y < at.Height(); ++y) {
    for (int x = 0; x < at.Width(); ++x) {
      const Color want = picture ? picture->Pixel(x, y) : color;
      differing += shot.Pixel(at.left + x, at.top + y) != want;
    }
  }
  return differing;
}

Rect CardRectAt(int x, int y) {
  return {x, y, x + kCardWidth, y + kCardHeight};
}

}  // namespace

TEST_F(GameTest, TurnToBackThenDealEachCardOnItsTick) {
  for (const int sound : {1, 0, 2}) {
    SCOPED_TRACE(sound);
    if (sound != 1) Restart();
    StartWith(100, sound);
    const std::int64_t coin = Now();
    Command(kCmdOneBet);
    for (int i = 0; i < kHandSize; ++i) {
      AdvanceTo(coin + 100 * i - 1);
      EXPECT_EQ(handSlots[i], i == 0 ? &backCard : &emptyCard) << i;
      AdvanceTo(coin + 100 * i);
      EXPECT_EQ(handSlots[i], &backCard) << i;
    }
    EXPECT_EQ(succeededMeter.text, "0");  // the chain's end reset the table

    const std::int64_t deal = Now();
    Command(kCmdDealDraw);
    const int soundLength = sound == 1 ? 20 : 0;
    for (int i = 0; i < kHandSize; ++i) {
      const std::int64_t due = deal + 300 + i * (200 + soundLength);
      AdvanceTo(due - 1);
      EXPECT_EQ(handSlots[i], &backCard) << i;
      AdvanceTo(due);
      EXPECT_EQ(handSlots[i], deck.cards.get() + i) << i;
    }
    EXPECT_EQ(selectCardPrompt.visible, 1);
    if (sound == 1) {
      const std::vector<SoundEvent> opening = {
          {121, 7, coin},       {122, 7, deal},       {123, 6, deal + 300},  {123, 6, deal + 520},
          {123, 6, deal + 740}, {123, 6, deal + 960}, {123, 6, deal + 1180}, {110, 7, deal + 1200}};
      EXPECT_EQ(sounds, opening);
      sounds.clear();
      Command(kCmdCard0);
      AdvanceBy(1000);
      EXPECT_EQ(SoundIds(), (std::vector<int>{123, 123, 110}));
      EXPECT_EQ(sounds[0].flags, 7u);
      EXPECT_EQ(sounds[1].flags, 6u);
    } else {
      EXPECT_TRUE(sounds.empty());
    }
  }
}

TEST_F(GameTest, APlayedCardFliesOverASnapshotAndStaysOnThePile) {
  const struct {
    int slot;
    int stepX;
  } flights[] = {{0, 37}, {2, 0}};
  for (const auto& flight : flights) {
    SCOPED_TRACE(flight.slot);
    if (flight.slot != 0) Restart();
    StartWith(100, 0);
    BetOneAndDeal();
    Card* card = handSlots[flight.slot];
    const Image picture = ImageOfBitmap(card->picture);
    const Rect home = slotRects[flight.slot];
    const std::int64_t start = Now();
    Command(kCmdCard0 + flight.slot);
    AdvanceTo(start + 39);
    EXPECT_EQ(GetWindowRect(cardWindows[flight.slot]), home);

    const int upSteps[] = {25, 25, 25, 25, 25};
    int x = home.left, y = home.top;
    for (int step = 0; step < 5; ++step) {
      AdvanceTo(start + 40 + 30 * step);
      x += flight.stepX;
      y -= upSteps[step];
      EXPECT_EQ(GetWindowRect(cardWindows[flight.slot]), CardRectAt(x, y)) << step;
      EXPECT_EQ(Differences(Screenshot(mainWindow), CardRectAt(x, y), &picture), 0) << step;
    }
    // Changes under the flight stay unseen until the card has arrived.
    successesTable[0].backColor = kGreen;
    successesTable[0].Refresh(mainWindow, 1);
    const Rect heading = successesTable[0].rect;
    EXPECT_EQ(Screenshot(mainWindow).Pixel(heading.left + 2, heading.top + 2), kPanelBlue);

    AdvanceTo(start + 189);
    EXPECT_NE(pileTop, card);
    AdvanceTo(start + 190);
    EXPECT_EQ(pileTop, card);
    EXPECT_EQ(GetWindowRect(cardWindows[flight.slot]), home);
    const Image arrived = Screenshot(mainWindow);
    EXPECT_EQ(Differences(arrived, slotRects[kPileWindow], &picture), 0);
    EXPECT_EQ(Differences(arrived, home, nullptr, currentPlayer.color), 0);
    InvalidateRect(mainWindow, nullptr, true);
    UpdateWindow(mainWindow);
    EXPECT_EQ(Screenshot(mainWindow).Pixel(heading.left + 2, heading.top + 2), kGreen);
    AdvanceTo(start + 290);
    const Image back = ImageOfBitmap(backCard.picture);
    EXPECT_EQ(Differences(Screenshot(mainWindow), home, &back), 0);
  }
}

TEST_F(GameTest, TheRefillWaitsLongerAfterTheTenthCard) {
  StartWith(100, 1);
  BetOneAndDeal();
  for (int count = 1; count <= 10; ++count) {
    const int slot = FirstEnabledSelect();
    sounds.clear();
    const std::int64_t arrival = Now() + 190;
    Command(kCmdCard0 + slot);
    const std::int64_t back = arrival + (count == 10 ? 300 : 100);
    AdvanceTo(back - 1);
    EXPECT_EQ(handSlots[slot], pileTop) << count;
    AdvanceTo(back);
    EXPECT_EQ(handSlots[slot], &backCard) << count;
    AdvanceTo(back + 49);
    EXPECT_EQ(handSlots[slot], &backCard) << count;
    AdvanceTo(back + 50);
    EXPECT_EQ(handSlots[slot]->IsValid(), 1) << count;
    if (count == 10) {
      EXPECT_EQ(sounds[0], (SoundEvent{123, 7, arrival - 190}));
      EXPECT_EQ(sounds[1], (SoundEvent{124, 7, arrival}));
      EXPECT_EQ(sounds[2], (SoundEvent{123, 6, back + 50}));
    }
    AdvanceBy(2000);
  }
}

TEST_F(GameTest, RepeatBetTopsTheWagerUpAndDealsASecondLater) {
  const struct {
    int coinsFirst;
    int dealByHandAt;  // 0: wait for the auto-deal
  } cases[] = {{0, 0}, {2, 0}, {2, 500}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.coinsFirst + c.dealByHandAt);
    if (&c != cases) Restart();
    StartWith(100, 1, 0, 0, /*level=*/1);
    for (int coin = 0; coin < 5; ++coin)
      Command(kCmdOneBet);
    AdvanceTo(1008);  // a deal that ends without win after three cards
    Command(kCmdDealDraw);
    AdvanceBy(2000);
    while (selectCardPrompt.visible == 1)
      PlayFirst();
    ASSERT_EQ(gameState.credits, 95);
    for (int coin = 0; coin < c.coinsFirst; ++coin)
      Command(kCmdOneBet);
    AdvanceBy(1000);
    sounds.clear();

    const std::int64_t repeat = Now();
    Command(kCmdRepeatBet);
    EXPECT_EQ(gameState.credits, 90);
    EXPECT_EQ(wagerMeter.text, "5");
    for (Card* slot : handSlots)
      EXPECT_EQ(slot, &emptyCard);
    const std::int64_t dealt = repeat + (c.dealByHandAt ? c.dealByHandAt : 1000);
    AdvanceTo(dealt - 1);
    EXPECT_EQ(goodLuckMessage.visible, 0);
    AdvanceTo(dealt);
    if (c.dealByHandAt) {
      Command(kCmdDealDraw);
      RunUntilIdle();
    }
    EXPECT_EQ(goodLuckMessage.visible, 1);
    EXPECT_EQ(gameState.lastBet, 5);
    std::vector<SoundEvent> expected = {{122, 7, dealt}};
    if (c.coinsFirst == 0) expected.insert(expected.begin(), {121, 7, repeat});
    EXPECT_EQ(sounds, expected);
    // A deal by hand within the second is the only deal.
    AdvanceTo(repeat + 3000);
    const std::vector<int> ids = SoundIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 122), 1);
  }
}

TEST_F(GameTest, TheTenthCoinDealsAtOnce) {
  StartWith(100, 0);
  const std::int64_t coin = Now();
  for (int c = 0; c < 10; ++c)
    Command(kCmdOneBet);
  EXPECT_FALSE(IsWindowEnabled(oneBetButton));
  RunUntilIdle();
  EXPECT_EQ(goodLuckMessage.visible, 1);
  EXPECT_EQ(gameState.lastBet, 10);
  EXPECT_EQ(gameState.credits, 90);
  AdvanceTo(coin + 300);
  EXPECT_EQ(handSlots[0], deck.cards.get());
}

TEST_F(GameTest, TheRevealShowsTheOtherCardsFirstAndThePickLast) {
  static int resolvedPick = 0;
  const struct {
    int pick;
    int order[4];
  } cases[] = {{1, {2, 3, 4, 1}}, {2, {1, 3, 4, 2}}, {4, {1, 2, 3, 4}}};
  StartWith(100, 0);
  cardWindowHooks.resolveDouble = [](Window*, int pick) { resolvedPick = pick; };
  deck.ResetOrder();
  doubleMode = 1;
  // A pick that names no hand window ends the chain instead of reaching past the windows.
  doublePick = 7;
  StartReveal(7);
  AdvanceBy(3000);
  EXPECT_EQ(resolvedPick, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pick);
    for (int i = 1; i < kHandSize; ++i)
      handSlots[i] = &backCard;
    doublePick = c.pick;
    resolvedPick = 0;
    const std::int64_t start = Now();
    StartReveal(c.pick);
    const int due[] = {300, 500, 700, 1100};
    for (int step = 0; step < 4; ++step) {
      const int w = c.order[step];
      AdvanceTo(start + due[step] - 1);
      EXPECT_EQ(handSlots[w], &backCard) << step;
      AdvanceTo(start + due[step]);
      EXPECT_EQ(handSlots[w], deck.CardAt(w)) << step;
    }
    EXPECT_EQ(resolvedPick, c.pick);
  }
  doubleMode = 0;
}

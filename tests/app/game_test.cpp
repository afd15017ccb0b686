// Games played as a person plays them, held against what the rules make of the cards dealt: the
// table after every card, the bet buttons, the tenth card, and the chains' ticks.
#include <gtest/gtest.h>

#include <limits>

#include "core/flow/card_bonus.h"
#include "core/flow/credits.h"
#include "core/flow/play.h"
#include "platform/gdi.h"
#include "platform/image.h"
#include "settings/players.h"
#include "settings/select_player.h"
#include "tests/app/game_driver.h"
#include "ui/command_buttons.h"
#include "ui/palette.h"
#include "ui/panels.h"
#include "ui/pile_marker.h"

using namespace platform;

namespace {

// One card played, then a hand that matches nothing and makes nothing.
const char* const kLoses = "2S 3H 5D 7H 9C JH";

// Pixels of the screenshot in the rectangle unlike want(x, y), counted from its corner.
template <typename Want>
int Differences(const Image& shot, const Rect& at, Want want) {
  int differing = 0;
  for (int y = 0; y < at.Height(); ++y) {
    for (int x = 0; x < at.Width(); ++x)
      differing += shot.Pixel(at.left + x, at.top + y) != want(x, y);
  }
  return differing;
}

}  // namespace

TEST_F(GameTest, TheCanonicalDeckIsPlayedOutByTheRulesAndPaysWhatItsHandsMade) {
  StartWith({.sound = 1, .hint = 1});
  Bet(1);
  Act(dealDrawButton);
  const Model& t = model;
  ASSERT_TRUE(t.deck.size() == 52 && std::is_sorted(t.deck.begin(), t.deck.end()));
  while (t.FirstPlayable() >= 0) {
    Act((t.count % 2 == 1 ? cardWindows : selectButtons)[t.FirstPlayable()]);
    const Rect cell = cardTracker[t.pile].rect;
    EXPECT_TRUE(pileMarker.color == kCyan && pileMarker.segments[4].x0 == cell.left - 1 &&
                pileMarker.segments[0].y0 == cell.top - 1)
        << t.count;
  }
  // 49 cards pay 55, two straight flushes 40 and seven flushes 7.
  ASSERT_EQ(t.count, 49);
  ASSERT_EQ(t.Win(), 102);
  // The SUCCESSES table has scrolled to 49 cards, and the pays with it.
  EXPECT_EQ(successesTable[kSuccessCountColumn + 2].text, std::string(15, ' ') + "49  CARDS");
  const char* const pays[] = {"100", "55", "50", "45", "40", "35", "30"};
  for (int row = 0; row < 7; ++row)
    EXPECT_EQ(successesTable[kSuccessPayColumn + 1 + row].text, pays[row]) << row;
  EXPECT_EQ(bonusCardsCaption.text, "49  CARDS W/BONUS");
  EXPECT_TRUE(winMeter.text == "102" && bonusCardsValue.text == "102");
  // The cards turned down at the first coin; the deal; a card played, 49 times; a card shown, 5
  // dealt and 47 refilled; the tenth card; the hits; the win and the offer.
  EXPECT_EQ(
      (std::vector<int>{Heard(121, 7), Heard(122, 7), Heard(123, 7), Heard(123, 6), Heard(124, 7),
                        Heard(110, 7), Heard(107, 7), Heard(125, 6), Heard(126, 7)}),
      (std::vector<int>{1, 1, 49, 52, 1, 2, 7, 1, 1}));
  Act(collectButton);
  EXPECT_EQ(creditsMeter.text, "201");

  // The next game starts on a clean SUCCESSES table, on the screen too.
  Bet(1);
  EXPECT_TRUE(successesTable[kSuccessCountColumn + 7].text == "10    -    13  CARDS" &&
              LitRow() == 0);
  const Image shown = Screenshot(mainWindow);
  InvalidateRect(mainWindow, nullptr, true);
  UpdateWindow(mainWindow);
  const Image fresh = Screenshot(mainWindow);
  const Rect table{successesTable[kSuccessCountColumn].rect.left,
                   successesTable[kSuccessCountColumn].rect.top,
                   successesTable[kSuccessPayColumn + kSuccessRows].rect.right,
                   successesTable[kSuccessPayColumn + kSuccessRows].rect.bottom};
  EXPECT_EQ(Differences(shown, table,
                        [&](int x, int y) { return fresh.Pixel(table.left + x, table.top + y); }),
            0);
}

TEST_F(GameTest, TheBetButtonsFollowTheCreditsAndTheLastWager) {
  StartWith({.credits = 4, .sound = 1});
  Bet(4);  // the last credit leaves DEAL/DRAW alone
  EXPECT_TRUE(Shows(insertCoinOrDealPrompt) && !Shows(insertCoinBetOrDealPrompt));
  EXPECT_EQ(GetFocus(), dealDrawButton);
  Act(dealDrawButton, "2S 3H 5H 7H 9H JH");  // a flush at the end pays the 4 back
  Act(selectButtons[0]);
  Act(collectButton);  // 4 credits cover the last wager of 4
  EXPECT_EQ(GetFocus(), repeatBetButton);

  // A wager under the last one is topped up and dealt a second later (on a clean card tracker
  // that without Hint gives nothing away).
  Bet(1);
  sounds.clear();
  const std::int64_t repeat = Now();
  Act(repeatBetButton, kLoses);
  EXPECT_EQ(wagerMeter.text, "4");
  EXPECT_EQ(sounds.at(0), (SoundEvent{122, 7, repeat + 1000}));
  Act(selectButtons[0]);
  EXPECT_TRUE(Shows(gameOverMessage));
  EXPECT_EQ(GetFocus(), quitButton);
}

TEST_F(GameTest, AnotherPlayersCreditsThatCannotCoverRepeatBetDisableIt) {
  StartWith({.more = "[Player 2]\nUser Name=Bob\nCredits=2\n"});
  Bet(6);
  Act(dealDrawButton, kLoses);
  Act(selectButtons[0]);
  Bet(1);  // REPEAT BET would add 5
  person::WhenModal([] {
    person::Click(GetDlgItem(person::ModalDialog(), kIdPlayerRadio1 + 1));
    person::ClickModalButton("OK");
  });
  ASSERT_TRUE(person::ChooseMenu(mainWindow, kCmdSelectUser));
  model.credits = 2;  // Bob's, with the coin on the table still in play
  Check();
  Act(repeatBetButton);
}

TEST_F(GameTest, OnlyTheTenthOrdinaryCardChimesAndWaitsLongerAndAJokerCountsNothing) {
  StartWith({.sound = 1, .jokers = 1});
  Bet(1);
  Act(dealDrawButton, "AS 2S 3S 4S *");
  for (int play = 1; play <= 12; ++play) {
    int slot = 0;  // ten spades, then the joker, then whatever comes first
    while ((model.hand[slot] == rules::kJoker) != (play == 11) || !model.Playable(slot))
      ++slot;
    sounds.clear();
    Act(selectButtons[slot], "", [&](std::int64_t click, int) {
      Ticks(click, {{190 + (play == 10 ? 300 : 100), slot, &backCard}});
    });
    EXPECT_EQ(Heard(124, 7), play == 10 ? 1 : 0) << play;
    EXPECT_EQ(pileMarker.color == kPanelBlue, play == 11) << play;  // a joker has no cell
  }
}

// The chains stepped through tick by tick, with every key pressed before each tick (parameter
// true) or none: the deal, a card's flight and refill, a double-up turn and its reveal.
class ChainTest : public GameTest, public testing::WithParamInterface<bool> {};

TEST_P(ChainTest, EveryChainKeepsToItsTicksWhateverKeysArePressed) {
  StartWith({.sound = 1, .hint = 1});
  pressKeys = GetParam();
  const int sound = static_cast<int>(WaveResourceLength(123));
  Bet(1);
  Act(dealDrawButton, "2S 3H 5H 7H 9H JH", [&](std::int64_t deal, int) {
    std::vector<std::tuple<int, int, Card*>> ticks;
    for (int i = 0; i < kHandSize; ++i)
      ticks.push_back({300 + i * (200 + sound), i, &deck.cards[i]});
    Ticks(deal, ticks);
  });

  // Slot 0 flies to the pile in six steps of 37 across and 25 up, the last one 5 up; the flush
  // its refill makes ends the game.
  Card* flying = handSlots[0];
  const Image picture = ImageOfBitmap(flying->picture);
  auto isPicture = [&picture](int x, int y) { return picture.Pixel(x, y); };
  const Rect home = slotRects[0];
  Act(cardWindows[0], "", [&](std::int64_t click, int) {
    for (int step = 0; step < 6; ++step) {
      At(click + 39 + 30 * step);
      const Rect at = home.Offset(37 * step, -25 * step);
      EXPECT_EQ(GetWindowRect(cardWindows[0]), at) << step;
      EXPECT_EQ(Differences(Screenshot(mainWindow), at, isPicture), 0) << step;
    }
    At(click + 190);
    EXPECT_EQ(pileTop, flying);
    EXPECT_EQ(GetWindowRect(cardWindows[0]), home);
    const Image arrived = Screenshot(mainWindow);
    EXPECT_EQ(Differences(arrived, slotRects[kPileWindow], isPicture), 0);
    EXPECT_EQ(Differences(arrived, home, [](int, int) { return currentPlayer.color; }), 0);
    Ticks(click, {{290, 0, &backCard}, {340, 0, &deck.cards[5]}});
  });

  // Silent from here, so that no sound is waited out. The five cards turn down 100 ms apart and
  // the dealer's card comes up 200 ms after the last.
  ASSERT_TRUE(person::ChooseMenu(mainWindow, kCmdSound));
  Act(dealDrawButton, "9S 5H KC KD 2C", [&](std::int64_t start, int) {
    std::vector<std::tuple<int, int, Card*>> ticks;
    for (int i = 0; i < kHandSize; ++i)
      ticks.push_back({100 * i, i, &backCard});
    ticks.push_back({600, 0, &deck.cards[0]});
    Ticks(start, ticks);
    EXPECT_TRUE(Shows(cardCaptions[5]) && Shows(higherQuestion));
  });
  // With Hint the focus waits on the highest of the four, the first among equals, and Return
  // picks it; the three cards not picked turn up left to right, then the picked one.
  const Meanwhile reveal = [&](std::int64_t start, int) {
    Ticks(start, {{300, 1, &deck.cards[1]},
                  {500, 3, &deck.cards[3]},
                  {700, 4, &deck.cards[4]},
                  {1100, 2, &deck.cards[2]}});
  };
  Act(selectButtons[2], "", reveal, true);
}

INSTANTIATE_TEST_SUITE_P(Keys, ChainTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Pressed" : "None"; });

TEST(Coins, TheCardBonusIsItsFactorTimesTheWagerAndCreditsSaturateInsteadOfWrapping) {
  for (int count = -1; count <= 53; ++count) {
    for (const std::int32_t bet : {0, 1, 7})
      EXPECT_EQ(CardBonus(count, bet), rules::CardBonusFactor(count) * bet) << count << "x" << bet;
  }
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(AddCredits(60, 42), 102);
  EXPECT_EQ(AddCredits(kMax - 5, 6), kMax);
  EXPECT_EQ(AddCredits(10, std::numeric_limits<std::int64_t>::max()), kMax);
  EXPECT_EQ(AddCredits(kMin + 1, -2), kMin);
  EXPECT_EQ(AddCredits(kMin, kMax), -1);
}

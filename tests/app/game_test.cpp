// Games played as a person plays them, held against what the rules make of the cards dealt: the
// table after every card, the last hand, the bet buttons, the tenth card, and the chains' ticks.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "core/card_bonus.h"
#include "core/play.h"
#include "platform/gdi.h"
#include "platform/image.h"
#include "settings/players.h"
#include "tests/app/game_driver.h"
#include "ui/panels.h"
#include "ui/pile_marker.h"

using namespace platform;
using rules::Table;

namespace {

// One card played, then a hand that matches nothing and makes nothing.
const char* const kLoses = "2S 3H 5D 7H 9C JH";

int Cell(const rules::Face& f) {
  return f.joker ? -1 : 13 * f.suit + f.rank;
}

// The SUCCESSES row a count lights: 7 from 10 cards, 6 from 14, ... 2 from 26, 1 at 52.
int RowFor(int count) {
  const int firsts[] = {52, 26, 23, 20, 17, 14, 10};
  for (int row = 1; row <= 7; ++row)
    if (count >= firsts[row - 1]) return row;
  return 0;
}

int LitRow() {
  for (int row = 1; row <= 7; ++row)
    if (successesTable[row].backColor == kRed) return row;
  return 0;
}

std::vector<std::string> Column(int first) {
  std::vector<std::string> texts;
  for (int row = 0; row < 7; ++row)
    texts.push_back(successesTable[first + row].text);
  return texts;
}

// Played cards black, the hand yellow, with Hint the deck's next card red, the rest white.
void ExpectTracker(const Table& t, bool hint) {
  std::vector<Color> want(52, kWhite);
  for (std::size_t j = 0; j < t.deck.size(); ++j) {
    if (Cell(t.deck[j]) < 0) continue;
    const bool held = std::count(t.hand.begin(), t.hand.end(), rules::Slot(t.deck[j])) > 0;
    want[Cell(t.deck[j])] =
        j < t.next ? (held ? kYellow : kBlack) : (hint && j == t.next ? kRed : kWhite);
  }
  for (int k = 0; k < 52; ++k)
    EXPECT_EQ(cardTracker[k].textColor, want[k]) << "cell " << k;
}

// The hand, its SELECT buttons, card windows and captions, and the focus, as the rules have them.
void ExpectHand(const Table& t) {
  for (int i = 0; i < kHandSize; ++i) {
    EXPECT_EQ(rules::SlotOf(*handSlots[i]), t.hand[i]) << i;
    EXPECT_EQ(IsWindowEnabled(selectButtons[i]), t.Playable(i)) << i;
    EXPECT_EQ(IsWindowEnabled(cardWindows[i]), t.Playable(i)) << i;
    EXPECT_EQ(Shows(cardCaptions[i]), t.Playable(i)) << i;
  }
  if (t.FirstPlayable() >= 0) {
    EXPECT_EQ(GetFocus(), selectButtons[t.FirstPlayable()]);
  }
}

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

auto PictureOf(const Image& picture) {
  return [&picture](int x, int y) { return picture.Pixel(x, y); };
}

}  // namespace

TEST_F(GameTest, TheCanonicalDeckIsPlayedOutByTheRulesAndPaysWhatItsHandsMade) {
  StartWith({.sound = 1, .hint = 1});
  Bet(1);
  EXPECT_EQ(wagerMeter.text, "1");
  EXPECT_EQ(creditsMeter.text, "99");
  AdvanceBy(1000);
  Table t = Deal();
  for (int j = 0; j < 52; ++j)
    ASSERT_EQ(t.deck[j], (rules::Face{j / 13, j % 13})) << "Shuffle level 0 leaves the order";
  while (t.FirstPlayable() >= 0) {
    ExpectHand(t);
    ExpectTracker(t, true);
    Play(t, t.FirstPlayable(), /*onTheCard=*/t.count % 2 == 1);
    EXPECT_EQ(succeededMeter.text, std::to_string(t.count));
    EXPECT_EQ(LitRow(), RowFor(t.count)) << t.count;
    const Rect cell = cardTracker[Cell(*t.pile)].rect;
    EXPECT_EQ(pileMarker.color, kCyan);
    EXPECT_EQ(pileMarker.segments[4].x0, cell.left - 1);
    EXPECT_EQ(pileMarker.segments[0].y0, cell.top - 1);
    if (t.count == 29) {  // the first scroll: 29-30 comes in at row 2, 10-13 drops out
      EXPECT_EQ(Column(1)[1], SuccessCaption(29, 30));
      EXPECT_EQ(Column(1)[6], SuccessCaption(14, 16));
      EXPECT_EQ(Column(9), (std::vector<std::string>{"100", "10", "8", "6", "4", "3", "2"}));
    }
  }
  ExpectHand(t);
  // 49 cards pay 55, two straight flushes 40 and seven flushes 7.
  ASSERT_EQ(t.count, 49);
  ASSERT_EQ(t.Win(1), 102);
  EXPECT_EQ(Column(1)[1], SuccessCaption(49, 49));
  EXPECT_EQ(Column(9), (std::vector<std::string>{"100", "55", "50", "45", "40", "35", "30"}));
  EXPECT_EQ(gameState.win, 102);
  EXPECT_EQ(winMeter.text, "102");
  EXPECT_EQ(bonusCardsCaption.text, "49  CARDS W/BONUS");
  EXPECT_EQ(bonusCardsValue.text, "102");
  // The deal; a card played, 49 times; a card shown, 5 dealt and 47 refilled; the tenth card; the
  // hits; the win and the offer.
  EXPECT_EQ((std::vector<int>{Heard(122, 7), Heard(123, 7), Heard(123, 6), Heard(124, 7),
                              Heard(110, 7), Heard(107, 7), Heard(125, 6), Heard(126, 7)}),
            (std::vector<int>{1, 49, 52, 1, 2, 7, 1, 1}));
  Press(collectButton);
  EXPECT_EQ(gameState.credits, 201);
  EXPECT_EQ(creditsMeter.text, "201");

  // The next game starts on a clean table, on the screen too; with Hint off nothing is given away.
  ASSERT_TRUE(person::ChooseMenu(mainWindow, kCmdHint));
  Bet(1);
  AdvanceBy(1000);
  for (int k = 0; k < 52; ++k)
    EXPECT_EQ(cardTracker[k].textColor, kWhite) << "cell " << k;
  EXPECT_EQ(Column(1)[6], SuccessCaption(10, 13));
  EXPECT_EQ(LitRow(), 0);
  const Image shown = Screenshot(mainWindow);
  InvalidateRect(mainWindow, nullptr, true);
  UpdateWindow(mainWindow);
  const Image fresh = Screenshot(mainWindow);
  const Rect table{successesTable[0].rect.left, successesTable[0].rect.top,
                   successesTable[15].rect.right, successesTable[15].rect.bottom};
  EXPECT_EQ(Differences(shown, table,
                        [&](int x, int y) { return fresh.Pixel(table.left + x, table.top + y); }),
            0);
  ExpectTracker(Deal(), false);
}

TEST_F(GameTest, TheLastHandOfAGameScoresItsHitToo) {
  StartWith({.sound = 1});
  const struct {
    const char* cards;  // the first card is played, the sixth replaces it
    int sound;
  } games[] = {{"2S 3H 5H 7H 9H JH", 107}, {"2S TH JH QH KH AH", 112}, {kLoses, 0}};
  std::int64_t credits = 100;
  for (const auto& game : games) {
    SCOPED_TRACE(game.cards);
    Bet(3);
    credits -= 3;
    Table t = Deal(game.cards);
    sounds.clear();
    Play(t, 0);
    ASSERT_EQ(t.FirstPlayable(), -1);
    // The hit is heard to its end before the game ends.
    EXPECT_EQ(Heard(game.sound, 6), game.sound != 0 ? 1 : 0);
    EXPECT_EQ(gameState.win, t.Win(3));
    EXPECT_EQ(doubleMode, t.Win(3) > 0 ? 1 : 0);
    EXPECT_EQ(Shows(gameOverMessage), t.Win(3) == 0);
    if (t.Win(3) > 0) Press(collectButton);
    credits += t.Win(3);
    EXPECT_EQ(gameState.credits, credits);
  }
}

TEST_F(GameTest, RepeatBetIsOfferedAsSoonAsTheCreditsCoverTheLastWager) {
  StartWith({.credits = 8, .sound = 1});
  Bet(4);
  Table lost = Deal(kLoses);
  Play(lost, 0);
  ASSERT_EQ(gameState.credits, 4);
  EXPECT_TRUE(IsWindowEnabled(repeatBetButton));
  EXPECT_EQ(GetFocus(), repeatBetButton);

  // A wager under the last one is topped up and dealt a second later; the cards are already down.
  Bet(1);
  AdvanceBy(1000);
  sounds.clear();
  const std::int64_t repeat = Now();
  Press(repeatBetButton);
  EXPECT_EQ(gameState.credits, 0);
  EXPECT_EQ(wagerMeter.text, "4");
  for (Card* slot : handSlots)
    EXPECT_EQ(slot, &emptyCard);
  AdvanceTo(repeat + 999);
  EXPECT_FALSE(Shows(goodLuckMessage));
  AdvanceTo(repeat + 1000);
  EXPECT_TRUE(Shows(goodLuckMessage));
  EXPECT_EQ(sounds, (std::vector<SoundEvent>{{122, 7, repeat + 1000}}));
  Arrange(kLoses);
  AdvanceBy(2000);
  Table again(DeckOrder());
  Play(again, 0);
  EXPECT_FALSE(IsWindowEnabled(oneBetButton) || IsWindowEnabled(repeatBetButton));
  EXPECT_EQ(GetFocus(), quitButton);
}

TEST_F(GameTest, TheTenthCoinDealsAtOnceAndTheLastCreditLeavesDeal) {
  StartWith({.credits = 12});
  Bet(10);
  EXPECT_TRUE(Shows(goodLuckMessage));
  EXPECT_EQ(gameState.lastBet, 10);
  Arrange(kLoses);
  AdvanceBy(2000);
  Table t(DeckOrder());
  Play(t, 0);
  ASSERT_EQ(gameState.credits, 2);
  EXPECT_FALSE(IsWindowEnabled(repeatBetButton));  // 2 credits do not cover 10
  EXPECT_EQ(GetFocus(), oneBetButton);
  Bet(2);
  EXPECT_FALSE(IsWindowEnabled(oneBetButton));
  EXPECT_TRUE(Shows(insertCoinOrDealPrompt) && !Shows(insertCoinBetOrDealPrompt));
  EXPECT_EQ(GetFocus(), dealDrawButton);
}

TEST_F(GameTest, OnlyTheTenthOrdinaryCardChimesAndAJokerCountsNothing) {
  StartWith({.sound = 1, .jokers = 1});
  Bet(1);
  AdvanceBy(1000);
  Table t = Deal("AS 2S 3S 4S *");
  for (int play = 1; play <= 12; ++play) {
    SCOPED_TRACE(play);
    int slot = 0;  // ten spades, then the joker, then whatever comes first
    while (t.hand[slot]->joker != (play == 11) || !t.Playable(slot))
      ++slot;
    sounds.clear();
    const std::int64_t back = Now() + 190 + (t.count == 9 && play != 11 ? 300 : 100);
    Press(selectButtons[slot]);
    AdvanceTo(back - 1);
    EXPECT_NE(handSlots[slot], &backCard);
    AdvanceTo(back);
    EXPECT_EQ(handSlots[slot], &backCard);
    AdvanceBy(1000);
    t.Play(slot);
    EXPECT_EQ(succeededMeter.text, std::to_string(t.count));
    EXPECT_EQ(Heard(124, 7), play == 10 ? 1 : 0);
    EXPECT_EQ(pileMarker.color, t.pile->joker ? kPanelBlue : kCyan);
  }
  EXPECT_EQ(t.count, 11);
}

using ChainTest = WithKeys<GameTest>;

TEST_P(ChainTest, TheDealTheFlightAndTheRefillKeepToTheirTicks) {
  StartWith({.sound = 1});
  const std::int64_t sound = WaveResourceLength(123);
  Bet(1);
  AdvanceBy(1000);
  const std::int64_t deal = Now();
  Press(dealDrawButton);
  for (int i = 0; i < kHandSize; ++i) {
    const std::int64_t due = deal + 300 + i * (200 + sound);
    ASSERT_TRUE(At(due - 1));
    EXPECT_EQ(handSlots[i], &backCard) << i;
    ASSERT_TRUE(At(due));
    EXPECT_EQ(handSlots[i], deck.cards.get() + i) << i;
  }
  Table t(DeckOrder());
  ExpectHand(t);

  // Slot 0 flies to the pile in six steps of 37 across and 25 up, the last one 5 up.
  Card* flying = handSlots[0];
  const Image picture = ImageOfBitmap(flying->picture);
  const Rect home = slotRects[0];
  const std::int64_t click = Now();
  Press(cardWindows[0]);
  for (int step = 0; step < 6; ++step) {
    ASSERT_TRUE(At(click + 39 + 30 * step));
    const Rect at{home.left + 37 * step, home.top - 25 * step, home.right + 37 * step,
                  home.bottom - 25 * step};
    EXPECT_EQ(GetWindowRect(cardWindows[0]), at) << step;
    EXPECT_EQ(Differences(Screenshot(mainWindow), at, PictureOf(picture)), 0) << step;
  }
  ASSERT_TRUE(At(click + 190));
  EXPECT_EQ(pileTop, flying);
  EXPECT_EQ(GetWindowRect(cardWindows[0]), home);
  const Image arrived = Screenshot(mainWindow);
  EXPECT_EQ(Differences(arrived, slotRects[kPileWindow], PictureOf(picture)), 0);
  EXPECT_EQ(Differences(arrived, home, [](int, int) { return currentPlayer.color; }), 0);
  ASSERT_TRUE(At(click + 289));
  EXPECT_EQ(handSlots[0], flying);
  ASSERT_TRUE(At(click + 290));
  EXPECT_EQ(handSlots[0], &backCard);
  ASSERT_TRUE(At(click + 339));
  EXPECT_EQ(handSlots[0], &backCard);
  ASSERT_TRUE(At(click + 340));
  t.Play(0);
  ExpectHand(t);
}

INSTANTIATE_TEST_SUITE_P(Keys, ChainTest, testing::Bool(),
                         [](const auto& info) { return info.param ? "Pressed" : "None"; });

TEST(CardBonus, PaysTheFactorOfTheCountTimesTheWager) {
  for (int count = -1; count <= 53; ++count) {
    for (const std::int32_t bet : {0, 1, 7})
      EXPECT_EQ(CardBonus(count, bet), rules::CardBonusFactor(count) * bet)
          << count << " x " << bet;
  }
}

TEST(Credits, AddCreditsSaturatesInsteadOfWrapping) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(AddCredits(60, 42), 102);
  EXPECT_EQ(AddCredits(kMax - 5, 6), kMax);
  EXPECT_EQ(AddCredits(10, std::numeric_limits<std::int64_t>::max()), kMax);
  EXPECT_EQ(AddCredits(kMin + 1, -2), kMin);
  EXPECT_EQ(AddCredits(kMin, kMax), -1);
}

// Seeded random play: clicks on any control and Return at rest, keys and clicks while the chains
// run. Every game and every double-up turn is replayed by the rules from the order its deck was
// dealt in; the controls they enable, the credits, the win and the saved coins they come to are
// held against the program's after every act.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "tests/app/game_driver.h"

using namespace platform;
using rules::Face;

namespace {

// The table as the rules have it: meters, enabled controls, the game and the double-up.
struct Rules {
  enum Phase { kBetween, kPlaying, kOffer, kPicking };

  // A new end of a game: the bet buttons by the credits.
  void BetButtons() {
    if (credits >= 1) {
      oneBet = true;
      repeat = repeat || (lastBet >= 1 && credits >= lastBet);
    } else {
      oneBet = repeat = false;
    }
  }
  void GameOver() {
    collect = deal = half = false;
    bet = win = saved = 0;
    phase = kBetween;
    BetButtons();
  }
  void Collect() {
    if (win != 0) {
      credits += win + saved;
      GameOver();
    }
    doubleMode = false;
  }
  void Coin() {
    if (doubleMode) Collect();
    ++bet;
    --credits;
    deal = deal || bet == 1;
    oneBet = oneBet && bet < 10 && credits > 0;
    repeat = repeat && bet != lastBet && credits > 0;
    if (bet == 10) Deal();  // the tenth coin deals at once
  }
  void Repeat() {  // the deal follows a second later
    Collect();
    oneBet = repeat = false;
    credits -= lastBet - bet;
    bet = lastBet;
  }
  void Deal() {
    deal = oneBet = repeat = false;
    lastBet = bet;
    phase = kPlaying;
    game.reset();  // until its deck is known
    ++games;
  }
  void Play(int i) {
    game->Play(i);
    if (game->FirstPlayable() >= 0) return;
    win = game->Win(bet);
    if (win == 0) return GameOver();
    doubleMode = true;
    Offer();
  }
  void Offer() {
    if (win + saved >= 5000) return Collect();
    collect = deal = oneBet = repeat = true;
    half = half || win >= 2;
    phase = kOffer;
    ++offers;
  }
  void Turn() {
    collect = deal = half = oneBet = repeat = false;
    phase = kPicking;
  }
  void Half() {
    if (win > 1) {
      saved += win - win / 2;
      win /= 2;
    }
    Offer();
    Turn();
  }
  void Pick(const std::vector<Face>& turn, int i) {
    const int dealer = rules::DoubleValue(turn[0]), player = rules::DoubleValue(turn[i]);
    ++picks;
    if (player > dealer) {
      win *= 2;
      Offer();
    } else if (player == dealer) {
      Turn();
    } else {
      credits += saved;
      GameOver();
    }
  }

  bool Enabled(Window* control) const {
    for (int i = 0; i < kHandSize; ++i) {
      if (control != selectButtons[i] && control != cardWindows[i]) continue;
      return phase == kPlaying ? game->Playable(i) : phase == kPicking && i > 0;
    }
    return control == oneBetButton      ? oneBet
           : control == repeatBetButton ? repeat
           : control == dealDrawButton  ? deal
           : control == collectButton   ? collect
                                        : control == halfDoubleButton && half;
  }
  // Where the rules put the focus at rest, or null where they leave it to the last click.
  Window* Focus(const std::vector<Face>& turn) const {
    if (phase == kPlaying) return selectButtons[game->FirstPlayable()];
    if (phase == kOffer) return dealDrawButton;
    if (phase != kPicking) return nullptr;
    int best = 1;  // with Hint the highest of the four, the first among equals
    for (int k = 2; hint && k <= 4; ++k)
      best = rules::DoubleValue(turn[k]) > rules::DoubleValue(turn[best]) ? k : best;
    return selectButtons[best];
  }
  // What a click on an enabled control does; the least time the chain it starts runs, in ms.
  int Click(Window* control, const std::vector<Face>& turn) {
    const Phase was = phase;
    if (control == oneBetButton) Coin();
    if (control == collectButton) Collect();
    if (control == halfDoubleButton) Half();
    if (control == dealDrawButton) was == kOffer ? Turn() : Deal();
    if (control == repeatBetButton) Repeat();
    for (int i = 0; i < kHandSize; ++i) {
      if (control == selectButtons[i] || control == cardWindows[i])
        was == kPlaying ? Play(i) : Pick(turn, i);
    }
    if (was == kPicking) return 1100;     // the reveal
    if (was == kPlaying) return 340;      // the flight and the refill
    if (phase == kPicking) return 600;    // the cards down and the dealer's card up
    return phase == kPlaying ? 1100 : 0;  // the deal
  }

  std::int64_t credits = 0;
  int bet = 0, lastBet = 0, win = 0, saved = 0;
  bool doubleMode = false;
  bool hint = true;  // the player's Hint option
  bool oneBet = false, repeat = false, deal = false, collect = false, half = false;
  Phase phase = kBetween;
  std::optional<rules::Table> game;
  int games = 0, offers = 0, picks = 0;
};

const char* const kKeys[] = {"Return", "Space", "Tab",  "Backtab", "Left",
                             "Right",  "Up",    "Down", "Escape"};

}  // namespace

TEST_F(GameTest, RandomPlayPaysWhatTheCardsAndTheRulesSay) {
  StartWith({.credits = 3000, .hint = 1, .jokers = 2, .level = 5});
  std::mt19937 random(7);
  auto chance = [&](unsigned percent) { return random() % 100 < percent; };
  const std::vector<std::pair<Window*, std::string>> controls = {
      {oneBetButton, "BET"},      {repeatBetButton, "REPEAT"}, {dealDrawButton, "DEAL"},
      {collectButton, "COLLECT"}, {halfDoubleButton, "HALF"},  {selectButtons[0], "S0"},
      {selectButtons[1], "S1"},   {selectButtons[2], "S2"},    {selectButtons[3], "S3"},
      {selectButtons[4], "S4"},   {cardWindows[0], "C0"},      {cardWindows[1], "C1"},
      {cardWindows[2], "C2"},     {cardWindows[3], "C3"},      {cardWindows[4], "C4"}};
  auto any = [&] { return controls[random() % controls.size()].first; };
  Rules table;
  table.credits = gameState.credits;
  table.BetButtons();
  std::vector<Face> turn;
  std::string trail;  // what was done since the last deal
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (table.games < 600 && std::chrono::steady_clock::now() < deadline) {
    if (table.phase == Rules::kPlaying && !table.game) table.game.emplace(DeckOrder());
    if (table.phase == Rules::kPicking) turn = DeckOrder();
    std::vector<Window*> enabled;
    for (const auto& [c, name] : controls) {
      ASSERT_EQ(IsWindowEnabled(c), table.Enabled(c))
          << name << " in game " << table.games << trail;
      if (table.Enabled(c)) enabled.push_back(c);
    }
    if (enabled.empty()) break;  // no credits left

    // Mostly what may be pressed, sometimes anything; in the offer mostly a turn; Return presses
    // what has the focus where the rules put it.
    Window* control = chance(90) ? enabled[random() % enabled.size()] : any();
    if (table.phase == Rules::kOffer && chance(75))
      control = chance(70) ? dealDrawButton : halfDoubleButton;
    if (table.phase == Rules::kBetween && table.oneBet && table.deal && chance(50))
      control = oneBetButton;
    Window* focus = table.Focus(turn);
    const bool byKey = focus != nullptr && chance(table.phase == Rules::kPicking ? 80 : 20);
    if (byKey) control = focus;
    const bool acts = table.Enabled(control);
    for (const auto& [c, name] : controls)
      if (c == control) trail += (acts ? " " : " -") + name + (byKey ? "(Return)" : "");
    int chain = acts ? table.Click(control, turn) : 0;
    std::int64_t start = Now();
    if (byKey) {
      person::Key("Return");
      RunUntilIdle();
    } else {
      Press(control);
    }
    if (acts && control == repeatBetButton) {
      // The deal comes a second later, unless DEAL/DRAW is pressed first.
      const bool byHand = table.deal && chance(30);
      AdvanceTo(start + (byHand ? random() % 990 : 1000));
      if (byHand) Press(dealDrawButton);
      table.Deal();
      start = Now();
      chain = 1100;
    }
    if (table.phase == Rules::kPlaying && !table.game) trail = " dealt:";
    // While a chain runs nothing is enabled: keys and clicks anywhere change nothing.
    std::vector<std::int64_t> moments(chain > 0 ? random() % 4 : 0);
    for (std::int64_t& at : moments)
      at = start + random() % (chain - 10);
    std::sort(moments.begin(), moments.end());
    for (const std::int64_t at : moments) {
      AdvanceTo(std::max(at, Now()));
      if (chance(50)) {
        const char* key = kKeys[random() % std::size(kKeys)];
        trail += std::string(" (") + key + ")";
        person::Key(key);
      } else {
        Press(any());
      }
    }
    AdvanceBy(3000);
    ASSERT_NE(mainWindow, nullptr) << trail;
    ASSERT_EQ(gameState.credits, table.credits) << "game " << table.games << trail;
    if (table.phase == Rules::kOffer) {
      ASSERT_EQ(gameState.win, table.win) << "game " << table.games << trail;
      ASSERT_EQ(gameState.saved, table.saved) << "game " << table.games << trail;
    }
  }
  EXPECT_GE(table.games, 100);
  EXPECT_GE(table.offers, 30);
  EXPECT_GE(table.picks, 30);
}

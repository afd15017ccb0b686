#pragma once
// Plays the whole program as a person does, on the fake clock, laying out freshly shuffled decks
// and recording the sounds; after every act the table must be what `rules::Model` makes of it.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/events.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "tests/app/program_fixture.h"
#include "tests/support/person.h"
#include "tests/support/poker_reference.h"
#include "ui/card_window.h"
#include "ui/command_buttons.h"
#include "ui/labels.h"
#include "ui/palette.h"

using platform::Window;

namespace rules {

// A card is 13 * suit + rank (spades, hearts, clubs, diamonds; ace to king); jokers are alike.
using reference::kJoker;
using reference::kNone;

inline int Of(const Card& card) {
  return !card.IsValid() ? kNone : card.isJoker == 1 ? kJoker : 13 * card.suit + card.rank;
}

// Coins per coin wagered for the cards succeeded: from 10 cards 1, from 14 cards 2, ...
inline int CardBonusFactor(int count) {
  static const int kFrom[][2] = {{10, 1},  {14, 2},  {17, 3},  {20, 4},  {23, 6},  {26, 8},
                                 {29, 10}, {31, 12}, {33, 14}, {35, 16}, {37, 18}, {39, 20},
                                 {41, 22}, {43, 25}, {44, 30}, {45, 35}, {46, 40}, {47, 45},
                                 {48, 50}, {49, 55}, {50, 60}, {51, 80}, {52, 100}};
  int factor = 0;
  for (const auto& [from, pays] : kFrom)
    factor = count >= from && count <= 52 ? pays : factor;
  return factor;
}

// What five cards pay per coin in the special bonus, each joker standing for the best card.
inline int SpecialPay(const std::array<int, 5>& hand) {
  return reference::SpecialPay(hand);
}

inline bool Matches(int pile, int card) {
  return card != kNone && (pile == kNone || pile == kJoker || card == kJoker ||
                           pile / 13 == card / 13 || pile % 13 == card % 13);
}

// The double-up: the joker beats everything, then the ace, the king ... down to the two.
inline int DoubleValue(int c) {
  return c == kJoker ? 14 : c % 13 == 0 ? 13 : c % 13;
}

// What a person's clicks must come to: the meters, the enabled controls, the game from the order
// of its deck, and the double-up from its turn's deck.
struct Model {
  enum Phase { kBetween, kPlaying, kOffer, kPicking };

  // The program's deck once shuffled: a game deals its hand from it, a turn shows its first card.
  void Learn() {
    deck.clear();
    for (int j = 0; j < ::deck.count; ++j)
      deck.push_back(Of(::deck.cards[j]));
    if (phase == kPicking) return;
    next = count = pays = 0;
    pile = kNone;
    for (int& slot : hand)
      slot = Draw();
    pays = SpecialPay(hand);
  }
  int Draw() { return next < deck.size() ? deck[next++] : kNone; }
  bool Playable(int i) const { return Matches(pile, hand[i]); }
  int FirstPlayable() const {
    for (int i = 0; i < 5; ++i)
      if (Playable(i)) return i;
    return -1;
  }
  int Win() const { return (CardBonusFactor(count) + pays) * bet; }

  void GameOver() {
    bet = win = saved = 0;
    phase = kBetween;
  }
  void Collect() {
    if (win != 0) {
      credits += win + saved;
      GameOver();
    }
    doubleMode = false;
  }
  void Deal() {
    lastBet = bet;
    phase = kPlaying;
    next = 0;  // until the deck is known
    ++games;
  }
  void Play(int i) {
    pile = hand[i];
    count += pile == kJoker ? 0 : 1;
    hand[i] = Draw();
    pays += SpecialPay(hand);
    if (FirstPlayable() >= 0) return;
    win = Win();
    if (win == 0) return GameOver();
    doubleMode = true;
    Offer();
  }
  void Offer() {
    if (win + saved >= 5000) return Collect();
    phase = kOffer;
  }
  void Pick(int i) {
    ++picks;
    if (DoubleValue(deck[i]) > DoubleValue(deck[0])) {
      win *= 2;
      Offer();
    } else if (DoubleValue(deck[i]) < DoubleValue(deck[0])) {
      credits += saved;
      GameOver();
    }  // a push deals again
  }

  // The hand slot of a SELECT button or a card window, or -1.
  static int Slot(Window* control) {
    for (int i = 0; i < kHandSize; ++i)
      if (control == selectButtons[i] || control == cardWindows[i]) return i;
    return -1;
  }
  bool Enabled(Window* control) const {
    if (const int i = Slot(control); i >= 0)
      return phase == kPlaying ? Playable(i) : phase == kPicking && i > 0;
    if (phase == kOffer) return control != halfDoubleButton || win >= 2;
    if (phase != kBetween) return false;
    if (control == oneBetButton) return credits > 0;
    if (control == dealDrawButton) return bet > 0;
    // REPEAT BET while the credits cover the rest of the last wager and no coin has reached it.
    return control == repeatBetButton && credits > 0 && bet < lastBet && credits + bet >= lastBet;
  }
  // Where the focus rests in a game and in the double-up; null where the last click leaves it.
  Window* Focus() const {
    if (phase == kPlaying) return selectButtons[FirstPlayable()];
    if (phase == kOffer) return dealDrawButton;
    if (phase != kPicking) return nullptr;
    int best = 1;  // with Hint the highest of the four, the first among equals
    for (int k = 2; hint && k <= 4; ++k)
      best = DoubleValue(deck[k]) > DoubleValue(deck[best]) ? k : best;
    return selectButtons[best];
  }
  // What a click on an enabled control does; the least time the chain it starts runs, in ms.
  int Click(Window* control) {
    const Phase was = phase;
    if (control == collectButton || (control == oneBetButton && doubleMode)) Collect();
    if (control == oneBetButton) {
      --credits;
      if (++bet == 10) Deal();  // the tenth coin deals at once
    }
    if (control == halfDoubleButton && win > 1) {
      saved += win - win / 2;
      win /= 2;
    }
    if (control == halfDoubleButton || (control == dealDrawButton && was == kOffer))
      phase = kPicking;
    else if (control == dealDrawButton)
      Deal();
    if (control == repeatBetButton) {  // the deal follows a second later
      Collect();
      credits -= lastBet - bet;
      bet = lastBet;
    }
    if (const int i = Slot(control); i >= 0) was == kPlaying ? Play(i) : Pick(i);
    if (was == kPicking) return 1100;     // the reveal
    if (was == kPlaying) return 340;      // the flight and the refill
    if (phase == kPicking) return 600;    // the cards down and the dealer's card up
    return phase == kPlaying ? 1100 : 0;  // the deal
  }

  std::int64_t credits = 0;
  int bet = 0, lastBet = 0, win = 0, saved = 0;
  bool doubleMode = false, hint = false;
  Phase phase = kBetween;
  std::vector<int> deck{};
  std::size_t next = 0;  // the deck's next card; 0 until a game's deck is known
  std::array<int, 5> hand{};
  int pile = kNone;
  int count = 0;  // ordinary cards played
  int pays = 0;   // special-bonus hits so far, in coins per coin wagered
  int games = 0, picks = 0;
};

}  // namespace rules

using rules::Model;

struct SoundEvent {
  int id;
  unsigned flags;
  std::int64_t at;  // fake-clock time of the request
  friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

inline bool Shows(const Label& label) {
  return label.visible == 1;
}

class GameTest : public ProgramTest {
 protected:
  using Meanwhile = std::function<void(std::int64_t start, int chain)>;
  // Shuffle level 0 deals the canonical order: spades, hearts, clubs, diamonds, ace to king.
  // `more` follows the player's section.
  struct Options {
    int credits = 100, sound = 0, hint = 0, jokers = 0, level = 0;
    std::string more = "";
  };

  void StartWith(Options o) {
    platform::SetSoundSink([this](int id, unsigned flags) {
      sounds.push_back({id, flags, Now()});
    });
    StartAs("Credits=" + std::to_string(o.credits) + "\nLevel=" + std::to_string(o.level) +
            "\nJoker Num=" + std::to_string(o.jokers) + "\nSound=" + std::to_string(o.sound) +
            "\nHint=" + std::to_string(o.hint) + "\n" + o.more);
    sounds.clear();
    model = {.credits = o.credits, .hint = o.hint == 1};
  }
  void TearDown() override {
    platform::SetSoundSink(nullptr);
    ProgramTest::TearDown();
  }

  static std::int64_t Now() { return platform::CurrentClock().NowMs(); }
  static void Press(Window* control) {
    person::Click(control);
    platform::RunUntilIdle();
  }
  // Lays cards named "AS", "TH", "*" (a joker)... on top of the deck, in this order; right after
  // a shuffle, before the deal.
  static void Arrange(const std::string& names) {
    std::istringstream in(names);
    int at = 0;
    for (std::string n; in >> n; ++at) {
      const int card = n == "*" ? rules::kJoker
                                : static_cast<int>(13 * std::string("SHCD").find(n[1]) +
                                                   std::string("A23456789TJQK").find(n[0]));
      for (int j = at; j < deck.count; ++j)
        if (rules::Of(deck.cards[j]) == card) SwapCards(deck.cards[at], deck.cards[j]);
    }
  }
  // Every control a person may click; kNames are theirs in the trail of acts.
  static std::vector<Window*> Controls() {
    std::vector<Window*> all = {oneBetButton, repeatBetButton, dealDrawButton, collectButton,
                                halfDoubleButton};
    all.insert(all.end(), selectButtons, selectButtons + kHandSize);
    all.insert(all.end(), cardWindows, cardWindows + kHandSize);
    return all;
  }
  static constexpr const char* kNames[] = {"BET", "REPEAT", "DEAL", "COLLECT", "HALF",
                                           "S0",  "S1",     "S2",   "S3",      "S4",
                                           "C0",  "C1",     "C2",   "C3",      "C4"};

  // A click on `control` (Return when `byKey`). `cards` are laid on the deck it shuffles, the
  // next turn's after a push; `meanwhile` runs from the start of the chain it begins. Three
  // seconds later the table must be the model's.
  void Act(Window* control, const std::string& cards = "", const Meanwhile& meanwhile = {},
           bool byKey = false) {
    const bool acts = model.Enabled(control), picking = model.phase == Model::kPicking;
    int chain = acts ? model.Click(control) : 0;
    std::int64_t start = Now();
    const auto all = Controls();
    const auto k = std::find(all.begin(), all.end(), control) - all.begin();
    trail += std::string(acts ? " " : " -") + kNames[k] + (byKey ? "(Return)" : "");
    byKey ? person::Key("Return") : person::Click(control);
    platform::RunUntilIdle();
    if (acts && control == repeatBetButton) {
      platform::AdvanceBy(1000);
      model.Deal();
      chain = 1100;
      start = Now();
    }
    // After a push the next turn is shuffled as the picked card shows.
    for (int ms = 0;
         picking && !cards.empty() && ms < 5000 && handSlots[Model::Slot(control)] == &backCard;
         ms += 10)
      platform::AdvanceBy(10);
    Arrange(cards);
    if (meanwhile) meanwhile(start, chain);
    platform::AdvanceBy(3000);
    Check();
  }
  // Runs the clock to `ms`, with every key pressed first when `pressKeys`: none may do anything.
  void At(std::int64_t ms) {
    for (const char* key :
         {"Return", "Space", "Tab", "Backtab", "Left", "Right", "Up", "Down", "Escape"}) {
      if (pressKeys) person::Key(key);
      ASSERT_NE(mainWindow, nullptr) << key << " closed the program";
    }
    platform::AdvanceBy(ms - Now());
  }
  // Each card comes into its hand slot at its tick after `start`, and not a tick before.
  void Ticks(std::int64_t start, const std::vector<std::tuple<int, int, Card*>>& ticks) {
    for (const auto& [ms, slot, card] : ticks) {
      if (ms > 0) {
        At(start + ms - 1);
        EXPECT_NE(handSlots[slot], card) << ms;
      }
      At(start + ms);
      EXPECT_EQ(handSlots[slot], card) << ms;
    }
  }
  void Bet(int coins, const std::string& cards = "") {
    for (int c = 1; c <= coins; ++c)
      Act(oneBetButton, c == 10 ? cards : "");
  }
  void Check() {
    ASSERT_NE(mainWindow, nullptr) << trail;
    if (model.phase == Model::kPicking || (model.phase == Model::kPlaying && model.next == 0)) {
      model.Learn();
      if (model.phase == Model::kPlaying) trail = " dealt:";
    }
    const auto all = Controls();
    for (std::size_t k = 0; k < all.size(); ++k)
      EXPECT_EQ(IsWindowEnabled(all[k]), model.Enabled(all[k])) << kNames[k] << " in" << trail;
    if (model.phase == Model::kPlaying) {
      for (int i = 0; i < kHandSize; ++i) {
        EXPECT_TRUE(rules::Of(*handSlots[i]) == model.hand[i] &&
                    Shows(cardCaptions[i]) == model.Playable(i))
            << "card " << i << " in" << trail;
      }
      EXPECT_EQ(succeededMeter.text, std::to_string(model.count)) << trail;
      // The card tracker: cards played black, the hand yellow, with Hint the next card red.
      for (std::size_t j = 0; j < model.deck.size(); ++j) {
        const int c = model.deck[j];
        if (c == rules::kJoker) continue;
        const bool held = std::count(model.hand.begin(), model.hand.end(), c) > 0;
        const Color want = j < model.next                  ? (held ? kYellow : kBlack)
                           : model.hint && j == model.next ? kRed
                                                           : kWhite;
        EXPECT_EQ(cardTracker[c].textColor, want) << "tracker cell " << c << " in" << trail;
      }
      // From 10 cards on a SUCCESSES row is lit, the one showing what they pay.
      const int lit = LitRow();
      const int pays = rules::CardBonusFactor(model.count) * model.bet;
      EXPECT_EQ(lit > 0 ? successesTable[kSuccessPayColumn + lit].text : "-",
                pays > 0 ? std::to_string(pays) : "-")
          << model.count << " cards in" << trail;
      // Its caption names the counts that pay the same.
      if (pays > 0) {
        const int factor = rules::CardBonusFactor(model.count);
        int low = model.count, high = model.count;
        while (rules::CardBonusFactor(low - 1) == factor)
          --low;
        while (high < 52 && rules::CardBonusFactor(high + 1) == factor)
          ++high;
        EXPECT_EQ(lit > 0 ? successesTable[kSuccessCountColumn + lit].text : "-",
                  low < high ? std::to_string(low) + "    -    " + std::to_string(high) + "  CARDS"
                             : std::string(15, ' ') + std::to_string(low) + "  CARDS")
            << model.count << " cards in" << trail;
      }
    }
    EXPECT_TRUE(!model.Focus() || platform::GetFocus() == model.Focus()) << "focus in" << trail;
    EXPECT_EQ(person::ScreenDifferences(mainWindow), 0) << "pixels on the screen in" << trail;
    EXPECT_EQ((std::vector<std::int64_t>{gameState.credits, gameState.bet, gameState.win,
                                         gameState.saved, doubleMode}),
              (std::vector<std::int64_t>{model.credits, model.bet, model.win, model.saved,
                                         model.doubleMode}))
        << "credits, bet, win, saved, double-up in" << trail;
  }

  static int LitRow() {
    for (int row = 1; row <= 7; ++row)
      if (successesTable[kSuccessCountColumn + row].backColor == kRed) return row;
    return 0;
  }
  int Heard(int id, unsigned flags) const {
    return static_cast<int>(std::count_if(sounds.begin(), sounds.end(), [&](const SoundEvent& s) {
      return s.id == id && s.flags == flags;
    }));
  }

  rules::Model model;
  std::string trail;  // what was done since the last deal
  bool pressKeys = false;
  std::vector<SoundEvent> sounds;
};

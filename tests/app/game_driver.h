#pragma once
// Plays the whole program as a person does, on the fake clock: clicks and keys go through the
// window system, the freshly shuffled deck may be laid out before its cards come out, and the
// sounds asked for are recorded. `rules` works out from the cards alone what a game must pay.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "tests/app/program_fixture.h"
#include "tests/support/person.h"
#include "ui/card_window.h"
#include "ui/labels.h"

namespace rules {

struct Face {
  int suit = -1;  // 0 spades, 1 hearts, 2 clubs, 3 diamonds
  int rank = -1;  // 0 ace .. 12 king
  bool joker = false;
  friend bool operator==(const Face&, const Face&) = default;
};
using Slot = std::optional<Face>;  // no card

// Jokers are all alike to the rules.
inline Face Of(const Card& card) {
  return card.isJoker == 1 ? Face{-1, -1, true} : Face{card.suit, card.rank, false};
}
inline Slot SlotOf(const Card& card) {
  return card.IsValid() ? Slot(Of(card)) : std::nullopt;
}

// "AS", "TH", "*" (a joker), separated by spaces.
inline std::vector<Face> Faces(const std::string& names) {
  std::vector<Face> faces;
  std::istringstream in(names);
  for (std::string n; in >> n;) {
    faces.push_back(n == "*" ? Face{-1, -1, true}
                             : Face{static_cast<int>(std::string("SHCD").find(n[1])),
                                    static_cast<int>(std::string("A23456789TJQK").find(n[0]))});
  }
  return faces;
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

// What five known cards pay per coin in the special bonus.
inline int PayOfFive(const std::array<Face, 5>& cards) {
  int ranks[13] = {};
  bool flush = true;
  for (const Face& c : cards) {
    ++ranks[c.rank];
    flush = flush && c.suit == cards[0].suit;
  }
  std::vector<int> held;  // how many of each rank, most first
  int low = 13, high = -1;
  for (int r = 0; r < 13; ++r) {
    if (ranks[r] == 0) continue;
    held.push_back(ranks[r]);
    low = std::min(low, r);
    high = r;
  }
  std::sort(held.rbegin(), held.rend());
  const bool broadway = ranks[0] && ranks[9] && ranks[10] && ranks[11] && ranks[12];
  const bool straight = held.size() == 5 && (broadway || high - low == 4);
  if (straight && flush) return broadway ? 200 : 20;
  if (held[0] >= 4) return 5;
  if (held[0] == 3 && held[1] == 2) return 2;
  return flush ? 1 : 0;
}

// The hand with each joker standing for whichever card pays best; nothing with an empty slot.
inline int SpecialPay(const std::array<Slot, 5>& hand) {
  std::array<Face, 5> cards;
  std::vector<int> jokers;
  for (int i = 0; i < 5; ++i) {
    if (!hand[i]) return 0;
    cards[i] = *hand[i];
    if (cards[i].joker) jokers.push_back(i);
  }
  int best = 0;
  const int tries = jokers.empty() ? 1 : jokers.size() == 1 ? 52 : 52 * 52;
  for (int t = 0; t < tries; ++t) {
    for (std::size_t j = 0, code = t; j < jokers.size(); ++j, code /= 52)
      cards[jokers[j]] = {static_cast<int>(code % 52) / 13, static_cast<int>(code % 52) % 13};
    best = std::max(best, PayOfFive(cards));
  }
  return best;
}

inline bool Matches(const Slot& pile, const Slot& card) {
  if (!card) return false;
  if (!pile || pile->joker || card->joker) return true;
  return pile->suit == card->suit || pile->rank == card->rank;
}

// The double-up: the joker beats everything, then the ace, the king ... down to the two.
inline int DoubleValue(const Face& c) {
  return c.joker ? 14 : c.rank == 0 ? 13 : c.rank;
}

// One game from the order of its deck.
struct Table {
  explicit Table(std::vector<Face> order) : deck(std::move(order)) {
    for (Slot& slot : hand)
      slot = Draw();
    pays += SpecialPay(hand);
  }
  Slot Draw() { return next < deck.size() ? Slot(deck[next++]) : std::nullopt; }
  bool Playable(int i) const { return Matches(pile, hand[i]); }
  int FirstPlayable() const {
    for (int i = 0; i < 5; ++i)
      if (Playable(i)) return i;
    return -1;
  }
  void Play(int i) {
    pile = hand[i];
    count += pile->joker ? 0 : 1;
    hand[i] = Draw();
    pays += SpecialPay(hand);
  }
  int Win(int bet) const { return (CardBonusFactor(count) + pays) * bet; }

  std::vector<Face> deck;
  std::size_t next = 0;
  std::array<Slot, 5> hand;
  Slot pile;
  int count = 0;  // ordinary cards played
  int pays = 0;   // special-bonus hits so far, in coins per coin wagered
};

}  // namespace rules

struct SoundEvent {
  int id;
  unsigned flags;
  std::int64_t at;  // fake-clock time of the request
  friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

class GameTest : public ProgramTest {
 protected:
  // Shuffle level 0 deals the canonical order: spades, hearts, clubs, diamonds, ace to king.
  struct Options {
    int credits = 100, sound = 0, hint = 0, jokers = 0, level = 0;
  };

  void StartWith(Options o) {
    WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=" + std::to_string(o.credits) +
                  "\nLevel=" + std::to_string(o.level) + "\nJoker Num=" + std::to_string(o.jokers) +
                  "\nSound=" + std::to_string(o.sound) + "\nHint=" + std::to_string(o.hint) + "\n");
    gameState = GameState{};  // the game's globals outlive a program run inside one test binary
    cardsSucceeded = 0;
    doubleMode = 0;
    for (SpecialBonusEntry& entry : specialBonus)
      entry.hits = 0;
    platform::SetSoundSink([this](int id, unsigned flags) {
      sounds.push_back({id, flags, Now()});
    });
    Start();
    sounds.clear();
  }
  void TearDown() override {
    platform::SetSoundSink(nullptr);
    ProgramTest::TearDown();
  }

  static std::int64_t Now() { return platform::CurrentClock().NowMs(); }
  static void AdvanceTo(std::int64_t ms) { platform::AdvanceBy(ms - Now()); }
  static void Press(platform::Window* control) {
    person::Click(control);
    platform::RunUntilIdle();
  }
  static void Bet(int coins) {
    for (int c = 0; c < coins; ++c)
      Press(oneBetButton);
  }

  // Lays these cards on top of the deck, in this order; right after a shuffle, before the deal.
  static void Arrange(const std::string& names) {
    const std::vector<rules::Face> wanted = rules::Faces(names);
    for (int at = 0; at < static_cast<int>(wanted.size()); ++at) {
      int j = at;
      while (j < deck.count && !(rules::Of(deck.cards[j]) == wanted[at]))
        ++j;
      if (j < deck.count) SwapCards(deck.cards[at], deck.cards[j]);
    }
  }
  // The order the last shuffle left: what the deal and the double-up turn take their cards from.
  static std::vector<rules::Face> DeckOrder() {
    std::vector<rules::Face> order;
    for (int j = 0; j < deck.count; ++j)
      order.push_back(rules::Of(deck.cards[j]));
    return order;
  }

  // DEAL/DRAW with the deck laid out as named (the rest stays as shuffled); the hand dealt.
  rules::Table Deal(const std::string& cards = "") {
    Press(dealDrawButton);
    Arrange(cards);
    platform::AdvanceBy(2000);
    return rules::Table(DeckOrder());
  }
  // Plays card i as a person does: clicking its SELECT button, or the card itself.
  static void Play(rules::Table& table, int i, bool onTheCard = false) {
    Press(onTheCard ? cardWindows[i] : selectButtons[i]);
    platform::AdvanceBy(1000);
    table.Play(i);
  }

  // Every key a person might press while a chain runs: none may change the game or reach QUIT.
  static testing::AssertionResult KeysChangeNothing() {
    const GameState before = gameState;
    for (const char* key : {"Return", "Space", "Tab", "Left", "Right", "Up", "Down"}) {
      person::Key(key);
      if (mainWindow == nullptr) return testing::AssertionFailure() << key << " closed the program";
      if (gameState.credits != before.credits || gameState.bet != before.bet ||
          gameState.win != before.win || gameState.saved != before.saved)
        return testing::AssertionFailure() << key << " changed the game";
    }
    return testing::AssertionSuccess();
  }

  int Heard(int id, unsigned flags) const {
    int n = 0;
    for (const SoundEvent& s : sounds)
      n += s.id == id && s.flags == flags;
    return n;
  }

  std::vector<SoundEvent> sounds;
};

// A fixture whose chains are stepped through tick by tick, with every key pressed before each
// tick while the chain runs (parameter true), or none.
template <typename Fixture>
class WithKeys : public Fixture, public testing::WithParamInterface<bool> {
 protected:
  testing::AssertionResult At(std::int64_t ms) {
    testing::AssertionResult pressed =
        this->GetParam() ? GameTest::KeysChangeNothing() : testing::AssertionSuccess();
    GameTest::AdvanceTo(ms);
    return pressed;
  }
};

inline bool Shows(const Label& label) {
  return label.visible == 1;
}

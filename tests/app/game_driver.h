#pragma once
// Drives the whole program through a game by commands on the fake clock, and records its sounds.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/game_state.h"
#include "core/messages.h"
#include "platform/clock.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "tests/app/program_fixture.h"
#include "ui/card_window.h"
#include "ui/labels.h"

struct SoundEvent {
  int id;
  unsigned flags;
  std::int64_t at;  // fake-clock time of the request
  friend bool operator==(const SoundEvent&, const SoundEvent&) = default;
};

class GameTest : public ProgramTest {
 protected:
  void TearDown() override {
    platform::SetSoundSink(nullptr);
    ProgramTest::TearDown();
  }

  // A fresh program for the next case of a table, on a clock back at its start.
  void Restart() {
    TearDown();
    clock.Set(1);
    SetUp();
  }

  // A player with these credits and options; Shuffle level 0 deals the canonical order.
  void StartWith(int credits, int sound, int hint = 0, int jokers = 0, int level = 0) {
    WriteSettings("[Common Info]\nLastPlayer=1\n[Player 1]\nCredits=" + std::to_string(credits) +
                  "\nLevel=" + std::to_string(level) + "\nJoker Num=" + std::to_string(jokers) +
                  "\nSound=" + std::to_string(sound) + "\nHint=" + std::to_string(hint) + "\n");
    gameState = GameState{};  // the meters outlive a program run inside one test binary
    cardsSucceeded = 0;
    doubleMode = 0;
    for (SpecialBonusEntry& entry : specialBonus)
      entry.hits = 0;
    platform::SetSoundSink([this](int id, unsigned flags) {
      sounds.push_back({id, flags, platform::CurrentClock().NowMs()});
    });
    Start();
    sounds.clear();
  }

  void Command(int id) {
    platform::SendMessage(mainWindow, platform::WM_COMMAND, static_cast<platform::WParam>(id), 0);
  }

  std::int64_t Now() const { return platform::CurrentClock().NowMs(); }

  // Advances the clock to an absolute time.
  void AdvanceTo(std::int64_t ms) { platform::AdvanceBy(ms - Now()); }

  // One coin and DEAL, then the five cards dealt and the clock past every chain.
  void BetOneAndDeal() {
    Command(kCmdOneBet);
    platform::AdvanceBy(1000);
    Command(kCmdDealDraw);
    platform::AdvanceBy(2000);
  }

  int FirstEnabledSelect() const {
    for (int i = 0; i < kSelectButtons; ++i) {
      if (platform::IsWindowEnabled(selectButtons[i])) return i;
    }
    return -1;
  }

  // Plays the first playable card and lets the slide and the refill run out.
  void PlayFirst() {
    const int i = FirstEnabledSelect();
    ASSERT_GE(i, 0);
    Command(kCmdCard0 + i);
    platform::AdvanceBy(3000);
  }

  std::vector<int> SoundIds() const {
    std::vector<int> ids;
    for (const SoundEvent& s : sounds)
      ids.push_back(s.id);
    return ids;
  }

  std::vector<SoundEvent> sounds;
};

// The tracker cell of suit s (0 spades, 1 hearts, 2 clubs, 3 diamonds) and rank r (0 ace).
inline Label& Cell(int suit, int rank) {
  return cardTracker[13 * suit + rank];
}

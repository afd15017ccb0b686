// EvaluateHand speed: all 3,162,510 five-card hands of a 54-card deck (one iteration), and one
// hand at a time.

#include <benchmark/benchmark.h>

#include "core/deck.h"
#include "core/evaluate.h"

namespace {

// A 54-card deck in canonical order (two jokers), built once.
const Deck& FullDeck() {
  static const Deck deck = [] {
    Deck d;
    d.Allocate(54);
    d.Build();
    return d;
  }();
  return deck;
}

void BM_EvaluateAllHandsOf54Cards(benchmark::State& state) {
  const Deck& deck = FullDeck();
  const Card* all[54];
  for (int i = 0; i < 54; ++i)
    all[i] = &deck.cards[i];
  std::int64_t hands = 0;
  for (auto _ : state) {
    int sum = 0;
    const Card* hand[5];
    for (int a = 0; a < 54; ++a) {
      hand[0] = all[a];
      for (int b = a + 1; b < 54; ++b) {
        hand[1] = all[b];
        for (int c = b + 1; c < 54; ++c) {
          hand[2] = all[c];
          for (int d = c + 1; d < 54; ++d) {
            hand[3] = all[d];
            for (int e = d + 1; e < 54; ++e) {
              hand[4] = all[e];
              sum += EvaluateHand(hand);
            }
          }
        }
      }
    }
    benchmark::DoNotOptimize(sum);
    hands += 3162510;
  }
  state.SetItemsProcessed(hands);
}
BENCHMARK(BM_EvaluateAllHandsOf54Cards)->Unit(benchmark::kMillisecond);

// One hand; the arg picks a hand: 0 nothing, 1 joker royal flush, 2 two pair + joker.
void BM_EvaluateOneHand(benchmark::State& state) {
  const Deck& deck = FullDeck();
  static constexpr int kHands[3][5] = {
      {1, 17, 34, 49, 12},  // 2S 5H 9C JD KS
      {9, 10, 11, 12, 52},  // TS JS QS KS joker
      {8, 21, 29, 42, 53},  // 9S 9H 4C 4D joker
  };
  const int* pick = kHands[state.range(0)];
  const Card* hand[5];
  for (int i = 0; i < 5; ++i)
    hand[i] = &deck.cards[pick[i]];
  for (auto _ : state) {
    benchmark::DoNotOptimize(hand);
    int category = EvaluateHand(hand);
    benchmark::DoNotOptimize(category);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EvaluateOneHand)->Arg(0)->Arg(1)->Arg(2);

}  // namespace

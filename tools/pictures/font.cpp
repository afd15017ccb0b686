#include "tools/pictures/font.h"

#include <map>

namespace pictures {

namespace {

const std::map<char, Mask>& Glyphs() {
  static const std::map<char, Mask> glyphs = {
      {'A', Mask::FromRows({"..#..", ".#.#.", "#...#", "#...#", "#####", "#...#", "#...#"})},
      {'2', Mask::FromRows({".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"})},
      {'3', Mask::FromRows({"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."})},
      {'4', Mask::FromRows({"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."})},
      {'5', Mask::FromRows({"#####", "#....", "####.", "....#", "....#", "#...#", ".###."})},
      {'6', Mask::FromRows({"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."})},
      {'7', Mask::FromRows({"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."})},
      {'8', Mask::FromRows({".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."})},
      {'9', Mask::FromRows({".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."})},
      {'0', Mask::FromRows({".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."})},
      {'J', Mask::FromRows({"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."})},
      {'Q', Mask::FromRows({".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"})},
      {'K', Mask::FromRows({"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"})},
      {'O', Mask::FromRows({".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."})},
      {'E', Mask::FromRows({"#####", "#....", "#....", "####.", "#....", "#....", "#####"})},
      {'R', Mask::FromRows({"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"})},
  };
  return glyphs;
}

// A narrow one and a narrow nought side by side, so "10" is no wider than the other indices.
const Mask& TenGlyph() {
  static const Mask ten =
      Mask::FromRows({".#..##.", "##.#..#", ".#.#..#", ".#.#..#", ".#.#..#", ".#.#..#", ".#..##."});
  return ten;
}

}  // namespace

const Mask& RankGlyph(int rank) {
  static constexpr char kLetters[] = "A23456789?JQK";
  if (rank == 9) return TenGlyph();
  return LetterGlyph(kLetters[rank]);
}

const Mask& LetterGlyph(char letter) {
  static const Mask empty(5, kGlyphHeight);
  const auto found = Glyphs().find(letter);
  return found == Glyphs().end() ? empty : found->second;
}

void DrawColumnText(Canvas& canvas, std::string_view text, int x, int y, int gap, uint8_t ink) {
  for (char letter : text) {
    canvas.Stamp(LetterGlyph(letter), x, y, ink);
    y += kGlyphHeight + gap;
  }
}

}  // namespace pictures

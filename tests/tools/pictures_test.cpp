// The picture generator: its files read back by an independent reader, and the cards it draws.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tools/pictures/bmp.h"
#include "tools/pictures/catalogue.h"
#include "tools/pictures/decorations.h"
#include "tools/pictures/faces.h"
#include "tools/pictures/suits.h"

namespace pictures {
namespace {

uint32_t Get16(const Bytes& b, size_t at) {
  return b.at(at) | b.at(at + 1) << 8;
}
uint32_t Get32(const Bytes& b, size_t at) {
  return Get16(b, at) | Get16(b, at + 2) << 16;
}

// Reads a 4-bit bitmap at `at` and checks it against `c`; icon images carry a doubled height and
// a mask, set where `c` is clear.
void ExpectDib(const Bytes& b, size_t at, const Canvas& c, bool icon) {
  const uint32_t colors = Get32(b, at + 32);
  EXPECT_EQ(std::tuple(Get32(b, at), Get16(b, at + 12), Get16(b, at + 14), Get32(b, at + 16)),
            std::tuple(40u, 1u, 4u, 0u));
  EXPECT_TRUE(colors >= 1 && colors <= 16);
  const int width = static_cast<int>(Get32(b, at + 4));
  const int height = static_cast<int>(Get32(b, at + 8)) / (icon ? 2 : 1);
  ASSERT_EQ(std::pair(width, height), std::pair(c.width(), c.height()));
  const size_t palette = at + 40, pixels = palette + 4 * colors, rowBytes = (width + 7) / 8 * 4;
  const size_t mask = pixels + rowBytes * height, maskRowBytes = (width + 31) / 32 * 4;
  for (int y = 0; y < height; ++y) {
    const size_t row = height - 1 - y;
    for (int x = 0; x < width; ++x) {
      const uint8_t byte = b.at(pixels + row * rowBytes + x / 2);
      const size_t entry = palette + 4 * (x % 2 == 0 ? byte >> 4 : byte & 15);
      const bool clear = icon && (b.at(mask + row * maskRowBytes + x / 8) & (0x80 >> x % 8));
      ASSERT_EQ(clear, c.At(x, y) == kClear) << x << "," << y;
      ASSERT_TRUE(clear || (Rgb{b.at(entry + 2), b.at(entry + 1), b.at(entry)}) == c.ColorAt(x, y))
          << x << "," << y;
    }
  }
}

int CountInk(const Canvas& c, uint8_t ink, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x)
      count += c.At(x, y) == ink;
  }
  return count;
}

bool PointSymmetric(const Canvas& c, int width, int height) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (c.At(x, y) != c.At(c.width() - 1 - x, c.height() - 1 - y)) return false;
    }
  }
  return true;
}

// Pieces of `ink` touching along edges or corners, starting in the pip area between the indices.
int CountShapes(const Canvas& c, uint8_t ink) {
  std::set<std::pair<int, int>> seen;
  std::function<bool(int, int)> take = [&](int x, int y) {
    if (c.At(x, y) != ink || !seen.insert({x, y}).second) return false;
    for (int d = 0; d < 9; ++d)
      take(x + d % 3 - 1, y + d / 3 - 1);
    return true;
  };
  int shapes = 0;
  for (int y = 2; y < kCardHeight - 2; ++y) {
    for (int x = 12; x < kCardWidth - 12; ++x)
      shapes += take(x, y);
  }
  return shapes;
}

TEST(Cards, FacesHavePipsIndicesAndFiguresInTheSuitColor) {
  for (int suit = 0; suit < 4; ++suit) {
    const uint8_t ink = SuitInk(suit), other = IsRed(suit) ? kBlack : kRed;
    for (int rank = 0; rank < 13; ++rank) {
      SCOPED_TRACE(testing::Message() << "suit " << suit << " rank " << rank);
      const Canvas card = DrawFace(suit, rank);
      // Indices read the same from both ends.
      EXPECT_TRUE(PointSymmetric(card, 11, 22));
      EXPECT_GT(CountInk(card, ink, 1, 3, 11, 22), 20);
      EXPECT_EQ(CountInk(card, other, 1, 3, 11, 22), 0);
      const bool court = rank >= 10;
      EXPECT_EQ(CountInk(card, kSkin, 0, 0, kCardWidth, kCardHeight) > 0, court);
      // The window's background shows through the corner ink, so nothing else may use it.
      EXPECT_EQ(CountInk(card, kDarkGreen, 0, 0, kCardWidth, kCardHeight), 12);
      // Pips below the middle are turned, so cards without a middle row turn into themselves.
      const bool turns = court || rank == 1 || rank == 3 || rank == 9;
      EXPECT_TRUE(!turns || PointSymmetric(card, kCardWidth, kCardHeight));
      EXPECT_TRUE(rank != 0 || CountInk(card, ink, 25, 30, 55, 70) > 300);  // the ace's big pip
      if (rank == 0 || court) continue;
      EXPECT_EQ(CountShapes(card, ink), rank + 1);
    }
  }
  for (const Canvas& card : {DrawBack(), DrawJoker()})
    EXPECT_EQ(CountInk(card, kDarkGreen, 0, 0, kCardWidth, kCardHeight), 12);
}

// Share of the picture and centre of each ink, in fractions of the side.
struct InkSpread {
  double share = 0, x = 0, y = 0;
};
InkSpread SpreadOf(const Canvas& c, uint8_t ink) {
  InkSpread spread;
  const double side = c.width();
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      if (c.At(x, y) != ink) continue;
      spread.share += 1;
      spread.x += (x + 0.5) / side;
      spread.y += (y + 0.5) / side;
    }
  }
  if (spread.share > 0)
    spread = {spread.share / (side * side), spread.x / spread.share, spread.y / spread.share};
  return spread;
}

// The installed files (paths, PNG, sizes) are checked by the installation test; here, the drawing.
TEST(ThemeIcons, EveryLargerSizeKeepsEachPartOfTheIconInPlace) {
  const Canvas reference = DrawIcon(32);
  std::vector<uint8_t> inks = {kClear};
  for (uint8_t ink = kBlack; ink <= kWhite; ++ink)
    inks.push_back(ink);
  for (const int size : kThemeIconSizes) {
    SCOPED_TRACE(size);
    if (size < 32) continue;
    const Canvas icon = DrawIcon(size);
    for (const uint8_t ink : inks) {
      SCOPED_TRACE(int{ink});
      const InkSpread want = SpreadOf(reference, ink), got = SpreadOf(icon, ink);
      EXPECT_EQ(got.share > 0, want.share > 0);
      EXPECT_NEAR(got.x, want.x, 0.03);
      EXPECT_NEAR(got.y, want.y, 0.03);
      // The dark edges and the coin's rims stay thin as the icon grows, so the areas scale but
      // for black and olive; the coin is measured whole.
      if (ink == kBlack || ink == kOlive) continue;
      const auto area = [&](const Canvas& c, const InkSpread& spread) {
        return spread.share + (ink == kYellow ? SpreadOf(c, kOlive).share : 0);
      };
      EXPECT_NEAR(area(icon, got), area(reference, want), 0.01 + 0.2 * area(reference, want));
    }
  }
}

TEST(Catalogue, WritesEveryPictureAndTheIconReadablyUnderItsNumberAndNoTwoCardsAlike) {
  const std::vector<OutputFile> all = PictureFiles();
  // Each bitmap is followed by its double-density version, checked below.
  std::vector<OutputFile> files, dense;
  for (size_t i = 0; i + 2 < all.size(); i += 2) {
    files.push_back(all[i]);
    dense.push_back(all[i + 1]);
  }
  files.push_back(all[all.size() - 2]);
  std::vector<std::pair<std::string, Canvas>> drawn = {{"bitmaps/200.bmp", DrawTrackerStrip()},
                                                       {"bitmaps/201.bmp", DrawBack()},
                                                       {"bitmaps/251.bmp", DrawJoker()}};
  for (int id = 301; id <= 352; ++id)
    drawn.emplace_back("bitmaps/" + std::to_string(id) + ".bmp",
                       DrawFace((id - 301) / 13, (id - 301) % 13));
  ASSERT_EQ(files.size(), drawn.size() + 1);
  EXPECT_EQ(files.back().path, "icons/102.ico");
  EXPECT_EQ(all.back().path, "icons/102@2x.png");
  const std::string list = generated::ResourceList(all);
  EXPECT_NE(list.find("<qresource prefix=\"/\">"), std::string::npos);
  for (size_t i = 0; i < files.size(); ++i) {
    SCOPED_TRACE(files[i].path);
    EXPECT_NE(list.find("<file alias=\"" + files[i].path + "\">" + files[i].path + "</file>"),
              std::string::npos);
    if (i == drawn.size()) break;  // the icon
    const auto& [path, canvas] = drawn[i];
    const Bytes& b = files[i].bytes;
    EXPECT_EQ(std::tuple(files[i].path, b.at(0), b.at(1), Get32(b, 2), Get32(b, 10) + Get32(b, 34)),
              std::tuple(path, 'B', 'M', b.size(), b.size()));
    ExpectDib(b, 14, canvas, false);
    EXPECT_EQ(CountInk(canvas, kClear, 0, 0, canvas.width(), canvas.height()), 0);
    if (i == 0) continue;  // the tracker strip
    EXPECT_EQ(std::pair(canvas.width(), canvas.height()), std::pair(kCardWidth, kCardHeight));
    for (size_t j = 1; j < i; ++j)
      EXPECT_FALSE(canvas == drawn[j].second) << drawn[j].first;
  }
  // The icon holds the two sizes with their transparency.
  const std::vector<Canvas> icons = {DrawIcon(32), DrawIcon(16)};
  const Bytes& ico = files.back().bytes;
  ASSERT_EQ(std::tuple(Get16(ico, 0), Get16(ico, 2), Get16(ico, 4)), std::tuple(0u, 1u, 2u));
  size_t end = 6 + 2 * 16;
  for (size_t i = 0, entry = 6; i < icons.size(); ++i, entry += 16) {
    const int size = icons[i].width();
    ASSERT_EQ(
        std::tuple(ico.at(entry), ico.at(entry + 1), Get16(ico, entry + 6), Get32(ico, entry + 12)),
        std::tuple(size, size, 4u, end));
    ExpectDib(ico, end, icons[i], true);
    end += Get32(ico, entry + 8);
    EXPECT_EQ(icons[i].At(0, 0), kClear);
    EXPECT_LT(CountInk(icons[i], kClear, 0, 0, size, size), size * size);
  }
  EXPECT_EQ(end, ico.size());
  // The tracker strip blends with the tracker blue.
  const Canvas& strip = drawn[0].second;
  EXPECT_EQ(std::tuple(strip.width(), strip.height(), strip.ColorAt(0, 0),
                       strip.ColorAt(kStripWidth - 1, kStripHeight - 1)),
            std::tuple(kStripWidth, kStripHeight, Rgb{0, 0, 192}, Rgb{0, 0, 192}));

  const auto dir = std::filesystem::path(testing::TempDir()) / "quaxel_pictures_test";
  std::filesystem::remove_all(dir);
  std::string error;
  ASSERT_TRUE(WriteAll(dir, error)) << error;
  auto read = [&](const std::string& path) {
    std::ifstream in(dir / path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  };
  for (const OutputFile& file : all)
    EXPECT_EQ(read(file.path), file.bytes) << file.path;

  // The same pictures for double density: twice the size, encoded as drawn, the cut corners in
  // their ink over four times the pixels, and shapes with edges finer than doubled pixels.
  ASSERT_EQ(dense.size(), drawn.size());
  for (size_t i = 0; i < dense.size(); ++i) {
    SCOPED_TRACE(dense[i].path);
    const std::string& path = drawn[i].first;
    EXPECT_EQ(dense[i].path, path.substr(0, path.size() - 4) + "@2x.bmp");
    const int id = std::stoi(path.substr(8));
    const Canvas twice = (id == 200   ? DrawTrackerStrip(2)
                          : id == 201 ? DrawBack(2)
                          : id == 251 ? DrawJoker(2)
                                      : DrawFace((id - 301) / 13, (id - 301) % 13, 2))
                             .Flattened();
    const Canvas& once = drawn[i].second;
    ASSERT_EQ(std::pair(twice.width(), twice.height()),
              std::pair(2 * once.width(), 2 * once.height()));
    ExpectDib(dense[i].bytes, 14, twice, false);
    EXPECT_EQ(CountInk(twice, kClear, 0, 0, twice.width(), twice.height()), 0);
    if (id == 200) continue;
    EXPECT_EQ(CountInk(twice, kDarkGreen, 0, 0, twice.width(), twice.height()),
              4 * CountInk(once, kDarkGreen, 0, 0, once.width(), once.height()));
    int finer = 0;
    for (int y = 0; y < twice.height(); y += 2) {
      for (int x = 0; x < twice.width(); x += 2) {
        const uint8_t ink = twice.At(x, y);
        finer +=
            twice.At(x + 1, y) != ink || twice.At(x, y + 1) != ink || twice.At(x + 1, y + 1) != ink;
      }
    }
    EXPECT_GT(finer, 30);
  }
  EXPECT_EQ(read(kResourceListName), Bytes(list.begin(), list.end()));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pictures

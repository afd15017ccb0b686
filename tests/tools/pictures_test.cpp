// The picture generator: its files read back by an independent reader, and the cards it draws.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
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

struct Decoded {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  std::vector<bool> transparent;
  Rgb At(int x, int y) const { return pixels[y * width + x]; }
};

// Reads a 4-bit device-independent bitmap at `at`; icon images carry a doubled height and a mask.
Decoded ReadDib(const Bytes& b, size_t at, bool icon) {
  EXPECT_EQ(Get32(b, at), 40u);
  EXPECT_EQ(Get16(b, at + 12), 1u);
  EXPECT_EQ(Get16(b, at + 14), 4u);
  EXPECT_EQ(Get32(b, at + 16), 0u);
  const uint32_t colours = Get32(b, at + 32);
  EXPECT_TRUE(colours >= 1 && colours <= 16);
  Decoded d;
  d.width = static_cast<int>(Get32(b, at + 4));
  d.height = static_cast<int>(Get32(b, at + 8)) / (icon ? 2 : 1);
  const size_t palette = at + 40;
  const size_t pixels = palette + 4 * colours;
  const size_t rowBytes = (d.width * 4 + 31) / 32 * 4;
  const size_t maskRowBytes = (d.width + 31) / 32 * 4;
  const size_t mask = pixels + rowBytes * d.height;
  for (int y = 0; y < d.height; ++y) {
    const int row = d.height - 1 - y;
    for (int x = 0; x < d.width; ++x) {
      const uint8_t byte = b.at(pixels + row * rowBytes + x / 2);
      const size_t entry = palette + 4 * (x % 2 == 0 ? byte >> 4 : byte & 15);
      d.pixels.push_back({b.at(entry + 2), b.at(entry + 1), b.at(entry)});
      d.transparent.push_back(icon && (b.at(mask + row * maskRowBytes + x / 8) & (0x80 >> x % 8)));
    }
  }
  return d;
}

Decoded ReadBmp(const Bytes& b) {
  EXPECT_EQ(b.at(0), 'B');
  EXPECT_EQ(b.at(1), 'M');
  EXPECT_EQ(Get32(b, 2), b.size());
  const Decoded d = ReadDib(b, 14, false);
  EXPECT_EQ(Get32(b, 10) + Get32(b, 34), b.size());
  return d;
}

void ExpectSamePixels(const Decoded& d, const Canvas& c) {
  ASSERT_EQ(d.width, c.width());
  ASSERT_EQ(d.height, c.height());
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) {
      ASSERT_EQ(d.transparent[y * d.width + x], c.At(x, y) == kClear) << x << "," << y;
      if (c.At(x, y) != kClear) {
        ASSERT_EQ(d.At(x, y), c.ColorAt(x, y)) << x << "," << y;
      }
    }
  }
}

TEST(Bmp, ReadsBackEveryPixelOfAnOddWidthPicture) {
  // Five pixels a row exercise the nibble order and the padding of rows to whole words.
  Canvas canvas(5, 3, kWhite, CardPalette());
  for (int i = 0; i < 15; ++i) {
    canvas.Set(i % 5, i / 5, static_cast<uint8_t>(i));
  }
  ExpectSamePixels(ReadBmp(EncodeBmp(canvas)), canvas);
}

TEST(Ico, HoldsTheTwoIconSizesWithTheirTransparency) {
  const std::vector<Canvas> images = {DrawIcon(32), DrawIcon(16)};
  const Bytes ico = EncodeIco(images);
  ASSERT_EQ(Get16(ico, 0), 0u);
  ASSERT_EQ(Get16(ico, 2), 1u);
  ASSERT_EQ(Get16(ico, 4), 2u);
  size_t end = 6 + 2 * 16;
  for (size_t i = 0; i < images.size(); ++i) {
    const size_t entry = 6 + 16 * i;
    const int size = images[i].width();
    EXPECT_EQ(ico.at(entry), size);
    EXPECT_EQ(ico.at(entry + 1), size);
    EXPECT_EQ(Get16(ico, entry + 6), 4u);
    ASSERT_EQ(Get32(ico, entry + 12), end);
    end += Get32(ico, entry + 8);
    const Decoded d = ReadDib(ico, Get32(ico, entry + 12), true);
    ExpectSamePixels(d, images[i]);
    EXPECT_TRUE(d.transparent.front());
    EXPECT_NE(std::count(d.transparent.begin(), d.transparent.end(), false), 0);
  }
  EXPECT_EQ(end, ico.size());
}

std::vector<Canvas> AllFaces() {
  std::vector<Canvas> faces;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      faces.push_back(DrawFace(suit, rank));
    }
  }
  return faces;
}

bool PointSymmetric(const Canvas& c, int width, int height) {
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (c.At(x, y) != c.At(c.width() - 1 - x, c.height() - 1 - y)) return false;
    }
  }
  return true;
}

int CountInk(const Canvas& c, uint8_t ink, int left, int top, int right, int bottom) {
  int count = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      count += c.At(x, y) == ink;
    }
  }
  return count;
}

// Pieces of `ink` touching along edges or corners, counted in the pip area between the indices.
int CountShapes(const Canvas& c, uint8_t ink) {
  std::set<std::pair<int, int>> seen;
  int shapes = 0;
  for (int y = 2; y < kCardHeight - 2; ++y) {
    for (int x = 12; x < kCardWidth - 12; ++x) {
      if (c.At(x, y) != ink || seen.contains({x, y})) continue;
      ++shapes;
      std::vector<std::pair<int, int>> todo = {{x, y}};
      seen.insert({x, y});
      while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            if (c.At(px + dx, py + dy) == ink && seen.insert({px + dx, py + dy}).second) {
              todo.push_back({px + dx, py + dy});
            }
          }
        }
      }
    }
  }
  return shapes;
}

TEST(Cards, EveryPictureIsAFullCardAndNoTwoAreAlike) {
  std::vector<Canvas> cards = AllFaces();
  cards.push_back(DrawJoker());
  cards.push_back(DrawBack());
  for (size_t i = 0; i < cards.size(); ++i) {
    ASSERT_EQ(cards[i].width(), kCardWidth);
    ASSERT_EQ(cards[i].height(), kCardHeight);
    EXPECT_EQ(CountInk(cards[i], kClear, 0, 0, kCardWidth, kCardHeight), 0) << i;
    for (size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(cards[i] == cards[j]) << i << " and " << j;
    }
  }
}

TEST(Cards, PipsAreCountedLaidOutAndColouredBySuit) {
  for (int suit = 0; suit < 4; ++suit) {
    const uint8_t ink = SuitInk(suit);
    const uint8_t other = IsRed(suit) ? kBlack : kRed;
    for (int rank = 1; rank < 10; ++rank) {
      SCOPED_TRACE(testing::Message() << "suit " << suit << " rank " << rank);
      const Canvas card = DrawFace(suit, rank);
      EXPECT_EQ(CountShapes(card, ink), rank + 1);
      EXPECT_EQ(CountInk(card, other, 12, 2, kCardWidth - 12, kCardHeight - 2), 0);
      // Pips below the middle are turned, so cards without a middle row turn into themselves.
      if (rank == 1 || rank == 3 || rank == 9) {
        EXPECT_TRUE(PointSymmetric(card, kCardWidth, kCardHeight));
      }
    }
    EXPECT_GT(CountInk(DrawFace(suit, 0), ink, 25, 30, 55, 70), 300);
  }
}

TEST(Cards, IndicesReadTheSameFromBothEndsInTheSuitColour) {
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      SCOPED_TRACE(testing::Message() << "suit " << suit << " rank " << rank);
      const Canvas card = DrawFace(suit, rank);
      EXPECT_TRUE(PointSymmetric(card, 11, 22));
      EXPECT_GT(CountInk(card, SuitInk(suit), 1, 3, 11, 22), 20);
      EXPECT_EQ(CountInk(card, IsRed(suit) ? kBlack : kRed, 1, 3, 11, 22), 0);
    }
  }
}

TEST(Cards, CourtCardsAreFiguresTurnedAboutTheCentre) {
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 13; ++rank) {
      const Canvas card = DrawFace(suit, rank);
      const bool court = rank >= 10;
      EXPECT_EQ(CountInk(card, kSkin, 0, 0, kCardWidth, kCardHeight) > 0, court) << rank;
      if (court) {
        EXPECT_TRUE(PointSymmetric(card, kCardWidth, kCardHeight)) << rank;
      }
    }
  }
  EXPECT_TRUE(PointSymmetric(DrawBack(), kCardWidth, kCardHeight));
}

TEST(TrackerStrip, BlendsWithTheTrackerBlue) {
  const Canvas strip = DrawTrackerStrip();
  ASSERT_EQ(strip.width(), kStripWidth);
  ASSERT_EQ(strip.height(), kStripHeight);
  const Rgb blue = {0, 0, 192};
  EXPECT_EQ(strip.ColorAt(0, 0), blue);
  EXPECT_EQ(strip.ColorAt(kStripWidth - 1, kStripHeight - 1), blue);
  EXPECT_EQ(CountInk(strip, kClear, 0, 0, kStripWidth, kStripHeight), 0);
}

TEST(Catalogue, NamesEveryResourceAndWritesItToDisk) {
  const std::vector<OutputFile> files = PictureFiles();
  std::set<std::string> expected = {"bitmaps/200.bmp", "bitmaps/201.bmp", "bitmaps/251.bmp",
                                    "icons/102.ico"};
  for (int id = 301; id <= 352; ++id) {
    expected.insert("bitmaps/" + std::to_string(id) + ".bmp");
  }
  std::set<std::string> paths;
  for (const OutputFile& file : files) {
    paths.insert(file.path);
  }
  EXPECT_EQ(paths, expected);

  const std::string list = ResourceList(files);
  EXPECT_NE(list.find("<qresource prefix=\"/\">"), std::string::npos);
  for (const std::string& path : expected) {
    EXPECT_NE(list.find("<file alias=\"" + path + "\">" + path + "</file>"), std::string::npos);
  }
  EXPECT_EQ(ReadBmp(files.front().bytes).width, kStripWidth);

  const auto dir = std::filesystem::path(testing::TempDir()) / "quaxel_pictures_test";
  std::filesystem::remove_all(dir);
  std::string error;
  ASSERT_TRUE(WriteAll(dir, error)) << error;
  for (const OutputFile& file : files) {
    std::ifstream in(dir / file.path, std::ios::binary);
    const Bytes written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(written, file.bytes) << file.path;
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "quaxel_resources.qrc"));

  // A directory that cannot be made, below an ordinary file, is reported.
  EXPECT_FALSE(WriteAll(dir / "icons" / "102.ico" / "below", error));
  EXPECT_NE(error.find("cannot write"), std::string::npos);
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace pictures

#include <gtest/gtest.h>

#include "image/BitmapImage.h"

namespace quindle {
namespace {

struct Entry {
  int index;
  std::uint8_t red, green, blue;
};

void ExpectEntries(int depth, std::initializer_list<Entry> entries) {
  BitmapImage image;
  ASSERT_TRUE(image.SetDepth(depth));
  for (const Entry& e : entries) {
    EXPECT_EQ(image.PaletteEntry(e.index), MakeColor(e.red, e.green, e.blue))
        << "depth " << depth << " entry " << e.index;
  }
}

TEST(StandardPalette, DepthOne) { ExpectEntries(1, {{0, 0, 0, 0}, {1, 255, 255, 255}}); }

TEST(StandardPalette, DepthFour) {
  ExpectEntries(4, {{0, 0, 0, 0},        {1, 128, 0, 0},     {2, 0, 128, 0},
                    {3, 128, 128, 0},    {4, 0, 0, 128},     {5, 128, 0, 128},
                    {6, 0, 128, 128},    {7, 128, 128, 128}, {8, 192, 192, 192},
                    {9, 255, 0, 0},      {10, 0, 255, 0},    {11, 255, 255, 0},
                    {12, 0, 0, 255},     {13, 255, 0, 255},  {14, 0, 255, 255},
                    {15, 255, 255, 255}});
}

TEST(StandardPalette, DepthEight) {
  ExpectEntries(8, {{0, 0, 0, 0},         {1, 128, 0, 0},       {2, 0, 128, 0},
                    {3, 128, 128, 0},     {4, 0, 0, 128},       {5, 128, 0, 128},
                    {6, 0, 128, 128},     {7, 192, 192, 192},   {8, 192, 220, 192},
                    {9, 166, 202, 240},   {10, 64, 32, 0},      {11, 96, 32, 0},
                    {100, 128, 128, 64},  {245, 160, 192, 192}, {246, 255, 251, 240},
                    {247, 160, 160, 164}, {248, 128, 128, 128}, {249, 255, 0, 0},
                    {250, 0, 255, 0},     {251, 255, 255, 0},   {252, 0, 0, 255},
                    {253, 255, 0, 255},   {254, 0, 255, 255},   {255, 255, 255, 255}});
}

TEST(StandardPalette, EveryEntryHasAlphaZeroAndIndexedDepthsOnly) {
  BitmapImage image;
  EXPECT_FALSE(image.FillStandardPalette());
  for (const int depth : {1, 4, 8}) {
    ASSERT_TRUE(image.SetDepth(depth));
    EXPECT_TRUE(image.FillStandardPalette());
    for (int i = 0; i < image.PaletteSize(); ++i) {
      EXPECT_EQ(image.PaletteEntry(i).alpha, 0);
    }
  }
}

}  // namespace
}  // namespace quindle

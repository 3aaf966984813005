#include "ui/ClearProgressDialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "audio/SoundPort.h"
#include "input/InputDevice.h"
#include "render/MenuFont.h"
#include "support/PictureTestFiles.h"
#include "support/SoundLog.h"

namespace qn2 {
namespace {

// A slab of one colour, and a menu font whose glyphs are all key colour but whose glow
// cells are grey: a text shows only as far as it glows.
struct tDialogFiles {
  std::vector<std::uint8_t> Slab = test::MakeJpeg(402, 304, [](int, int) {
    return tRgb{60, 50, 40};
  });
  std::vector<std::uint8_t> FontBase = test::MakeBmp(320, 2344, [](int, int) {
    return tRgb{255, 0, 255};
  });
  std::vector<std::uint8_t> Glow1 = test::MakeJpeg(384, 1990, [](int, int) {
    return tRgb{90, 90, 90};
  });
  std::vector<std::uint8_t> Glow2 = test::MakeJpeg(384, 1490, [](int, int) {
    return tRgb{90, 90, 90};
  });
};

const tDialogFiles& DialogFiles() {
  static const tDialogFiles files;
  return files;
}

class ClearProgressDialogTest : public ::testing::Test {
 protected:
  ClearProgressDialogTest() {
    Pictures.Files.Add("Popup_ConfirmCP.jpg", DialogFiles().Slab);
    Pictures.Files.Add("MenuFontBase.bmp", DialogFiles().FontBase);
    Pictures.Files.Add("MenuFontGlow1.Jpg", DialogFiles().Glow1);
    Pictures.Files.Add("MenuFontGlow2.Jpg", DialogFiles().Glow2);
    LoadMenuFont();
    SetSound(&Samples);
    Dialog.Open();
  }
  ~ClearProgressDialogTest() override {
    Dialog.Close();
    SetSound(nullptr);
    FreeMenuFont();
  }
  void Reopen() {
    Dialog.Close();
    Dialog.Open();
  }

  test::tPictureFilesScope Pictures;
  testing::tSoundLog Samples;
  tClearProgressDialog Dialog;
};

TEST_F(ClearProgressDialogTest, UpOrDownSwitchesBetweenTheTwoItems) {
  EXPECT_EQ(Dialog.Selection(), 0);
  Dialog.KeyDown(vk::Up);
  EXPECT_EQ(Dialog.Selection(), 1);
  Dialog.KeyDown(vk::Up);
  EXPECT_EQ(Dialog.Selection(), 0);
  Dialog.KeyDown(vk::Down);
  EXPECT_EQ(Dialog.Selection(), 1);
  EXPECT_EQ(Samples.Played, std::vector<std::string>(3, "MenuMove.wav"));
  EXPECT_EQ(Dialog.Result(), 0);
  Dialog.KeyDown(vk::Left);
  EXPECT_EQ(Dialog.Selection(), 1);
}

TEST_F(ClearProgressDialogTest, EnterOrSpaceAnswersWithTheSelectedItem) {
  Dialog.KeyDown(vk::Return);
  EXPECT_EQ(Dialog.Result(), tClearProgressDialog::ClearAnswer);
  Reopen();
  EXPECT_EQ(Dialog.Result(), 0);
  Dialog.KeyDown(vk::Down);
  Dialog.KeyDown(vk::Space);
  EXPECT_EQ(Dialog.Result(), tClearProgressDialog::KeepAnswer);
  EXPECT_EQ(std::count(Samples.Played.begin(), Samples.Played.end(), "MenuSelect.wav"), 2);
}

TEST_F(ClearProgressDialogTest, EscapeAlwaysKeepsTheProgress) {
  for (int selection = 0; selection < 2; ++selection) {
    Reopen();
    if (Dialog.Selection() != selection) Dialog.KeyDown(vk::Down);
    Dialog.KeyDown(vk::Escape);
    EXPECT_EQ(Dialog.Result(), tClearProgressDialog::KeepAnswer) << selection;
  }
  EXPECT_EQ(std::count(Samples.Played.begin(), Samples.Played.end(), "menuClose.wav"), 2);
  Reopen();
  EXPECT_EQ(Dialog.Selection(), 1) << "the selection is kept for the next showing";
  EXPECT_EQ(Dialog.Result(), 0);
}

TEST_F(ClearProgressDialogTest, TheMouseReachesTheItemsOnlyInsideTheirColumns) {
  Dialog.MouseDown(60, 215, vk::LButton);
  EXPECT_EQ(Dialog.Result(), 0) << "x = 60 is outside";
  Dialog.MouseDown(343, 215, vk::LButton);
  EXPECT_EQ(Dialog.Result(), 0);
  Dialog.MouseDown(342, 215, vk::LButton);
  EXPECT_EQ(Dialog.Result(), tClearProgressDialog::ClearAnswer) << "x = 342 counts";
  EXPECT_EQ(Samples.Played, std::vector<std::string>{"MenuSelect.wav"});
  Reopen();
  Dialog.MouseDown(200, 255, vk::LButton);
  EXPECT_EQ(Dialog.Result(), tClearProgressDialog::KeepAnswer);
}

TEST_F(ClearProgressDialogTest, EachItemAnswersOverItsOwnLineOfText) {
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 195), -1);
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 196), 0);
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 235), 0);
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 236), 1);
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 275), 1);
  EXPECT_EQ(tClearProgressDialog::ItemAt(200, 276), -1);
  Dialog.MouseMove(100, 250);
  EXPECT_EQ(Dialog.Selection(), 1);
  Dialog.MouseMove(100, 290);
  EXPECT_EQ(Dialog.Selection(), 1) << "off the items the selection stays";
  Dialog.MouseMove(100, 210);
  EXPECT_EQ(Dialog.Selection(), 0);
  EXPECT_TRUE(Samples.Played.empty());
}

TEST_F(ClearProgressDialogTest, TheSelectedItemGlowsUpAndTheOtherFadesPerPeriod) {
  Dialog.Tick(1);
  EXPECT_NEAR(Dialog.Glow(0), 0.05, 1e-9);
  EXPECT_EQ(Dialog.Glow(1), 0.0);
  Dialog.Tick(30);
  EXPECT_EQ(Dialog.Glow(0), 1.0);
  EXPECT_EQ(Dialog.GlowLevel(0), 29);
  Dialog.KeyDown(vk::Down);
  Dialog.Tick(2);
  EXPECT_NEAR(Dialog.Glow(0), 0.94, 1e-9);
  EXPECT_NEAR(Dialog.Glow(1), 0.10, 1e-9);
  EXPECT_EQ(Dialog.GlowLevel(0), 27) << "29 x 0.94 = 27.26";
  EXPECT_EQ(Dialog.GlowLevel(1), 3) << "29 x 0.1 = 2.9";
  Dialog.Tick(40);
  EXPECT_EQ(Dialog.Glow(0), 0.0);
  EXPECT_EQ(Dialog.Glow(1), 1.0);
}

TEST_F(ClearProgressDialogTest, OnlyAGlowingItemShowsOverTheSlab) {
  tDib16 target(402, 304);
  Dialog.Draw(target);
  const std::uint16_t slab = target.ScanLine(10)[10];
  auto lineChanged = [&](int baseline) {
    // The rows of the letters themselves; a glow reaches a few rows further.
    for (int y = baseline - 34; y < baseline; ++y)
      for (int x = 0; x < 402; ++x)
        if (target.ScanLine(y)[x] != slab) return true;
    return false;
  };
  EXPECT_FALSE(lineChanged(235));
  EXPECT_FALSE(lineChanged(275));
  Dialog.Tick(10);
  Dialog.Draw(target);
  EXPECT_TRUE(lineChanged(235));
  EXPECT_FALSE(lineChanged(275));
}

TEST_F(ClearProgressDialogTest, AMissingSlabRaisesOnShowing) {
  tClearProgressDialog other;
  Pictures.Files.Remove("Popup_ConfirmCP.jpg");
  EXPECT_ANY_THROW(other.Open());
}

}  // namespace
}  // namespace qn2

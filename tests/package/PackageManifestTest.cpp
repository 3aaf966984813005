// The built data package against what the code names: every file is there, pictures
// decode at the sizes the code expects, every cell the code cuts lies inside its picture,
// and the episode's levels name only pictures and music the package holds.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "common/Text.h"
#include "data/LevelFile.h"
#include "data/PackageFiles.h"
#include "data/SetFile.h"
#include "data/TextLines.h"
#include "engine/FrameComposer.h"
#include "engine/PackagePictures.h"
#include "engine/board/Level.h"
#include "engine/units/UnitClasses.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "render/SidePanel.h"
#include "render/Sprite.h"
#include "ui/DeathPictures.h"

namespace qn2 {
namespace {

struct tManifestEntry {
  std::string Name;
  int Width = 0, Height = 0;  // 0: any size
};

std::vector<tManifestEntry> ReadManifest() {
  std::ifstream in(QN2_MANIFEST);
  std::vector<tManifestEntry> entries;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    tManifestEntry entry;
    words >> entry.Name >> entry.Width >> entry.Height;
    entries.push_back(entry);
  }
  return entries;
}

bool IsPicture(const std::string& name) {
  const std::string lower = LowerCase(name);
  return lower.ends_with(".jpg") || lower.ends_with(".bmp");
}

class PackageManifestTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    MountPackage(QN2_PACKAGE);
    for (const char* folder : GameDataFolders) AddSearchFolder(folder);
    PictureFiles = &PackagePictures;
  }
};

TEST_F(PackageManifestTest, EveryNamedFileIsInThePackageAndPicturesHaveTheirSize) {
  const auto manifest = ReadManifest();
  ASSERT_GT(manifest.size(), 70u);
  for (const tManifestEntry& entry : manifest) {
    EXPECT_TRUE(PackagedFileExists(entry.Name)) << entry.Name;
    if (!IsPicture(entry.Name) || !PackagedFileExists(entry.Name)) continue;
    tDib16* picture = GetDib(entry.Name, true);
    if (entry.Width > 0) {
      EXPECT_EQ(picture->Width(), entry.Width) << entry.Name;
      EXPECT_EQ(picture->Height(), entry.Height) << entry.Name;
    }
  }
}

// Every picture the game's start-up registers loads, and every cell cut from it lies
// inside it.
TEST_F(PackageManifestTest, EveryCellTheCodeCutsLiesInsideItsPicture) {
  SetUpUnits();
  LoadDeathPictureData();
  LoadSidePanel();
  LoadMenuFont();
  LoadGameEngineGraphicsData();
  ASSERT_GT(SpriteCuts().size(), 100u);
  for (const tSpriteCut& cut : SpriteCuts()) {
    tDib16* picture = GetDib(cut.Picture, true);
    EXPECT_TRUE(cut.X >= 0 && cut.Y >= 0 && cut.X + cut.Width <= picture->Width() &&
                cut.Y + cut.Height <= picture->Height())
        << cut.Picture << " (" << picture->Width() << " x " << picture->Height() << ") cut at "
        << cut.X << ", " << cut.Y << " size " << cut.Width << " x " << cut.Height;
  }
}

TEST_F(PackageManifestTest, TheEpisodesLevelsNameOnlyFilesThePackageHolds) {
  auto set = OpenPackagedFile("QuibNar.set");
  const auto bytes = set->Data();
  const auto entries = ParseSetLines(
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
  ASSERT_GE(entries.size(), 12u);
  for (const tSetEntry& entry : entries) {
    ASSERT_TRUE(entry.IsLevel()) << entry.Line;
    tLevel level;
    LoadLevelFromFile(level, entry.FileName);
    for (const std::string& picture :
         {level.BackgroundName, level.TileSetName, level.OverlayTileSetName})
      EXPECT_TRUE(PackagedFileExists(picture)) << entry.FileName << ": " << picture;
    EXPECT_TRUE(PackagedFileExists("Music\\" + level.MusicName))
        << entry.FileName << ": " << level.MusicName;
    EXPECT_FALSE(level.Title.empty()) << entry.FileName;
    EXPECT_FALSE(level.Hint.empty()) << entry.FileName;
  }
}

}  // namespace
}  // namespace qn2

// The built data package against what the code names: every file is there, pictures
// decode at the sizes the code expects, every cell the code cuts lies inside its picture,
// and the episode's levels name only pictures and music the package holds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <span>
#include <sstream>

#include "assets/BaseGfxSheet.h"
#include "assets/DeathPictureNames.h"
#include "assets/HostileSheets.h"
#include "assets/PlayerSheets.h"
#include "assets/SampleNames.h"
#include "assets/TerrainSheets.h"
#include "common/Text.h"
#include "data/LevelFile.h"
#include "data/PackageFiles.h"
#include "data/SetFile.h"
#include "data/TextLines.h"
#include "engine/FrameComposer.h"
#include "engine/PackagePictures.h"
#include "engine/board/Level.h"
#include "engine/units/Info.h"
#include "engine/units/UnitClasses.h"
#include "render/DibRegistry.h"
#include "render/MenuFont.h"
#include "render/PictureSource.h"
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

// Every shared cell table, so a table added to the headers is checked by adding it here.
std::vector<const sheets::tCellGrid*> SharedGrids() {
  std::vector<const sheets::tCellGrid*> grids;
  for (std::span<const sheets::tCellGrid* const> table :
       {std::span<const sheets::tCellGrid* const>(sheets::BaseGfxGrids),
        std::span<const sheets::tCellGrid* const>(sheets::PlayerGrids),
        std::span<const sheets::tCellGrid* const>(sheets::HostileGrids),
        std::span<const sheets::tCellGrid* const>(sheets::TerrainGrids)})
    grids.insert(grids.end(), table.begin(), table.end());
  return grids;
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

// The cells the generators draw and the game cuts, by the shared tables: each picture is in
// the package and every cell of every table lies inside it; the pictures read whole are
// there, the death pictures at the size they are shown.
TEST_F(PackageManifestTest, EverySharedCellLiesInsideItsPackagedPicture) {
  const auto grids = SharedGrids();
  ASSERT_GT(grids.size(), 30u);
  for (const sheets::tCellGrid* grid : grids) {
    ASSERT_TRUE(PackagedFileExists(grid->Picture)) << grid->Picture;
    const tDib16* picture = GetDib(grid->Picture, true);
    EXPECT_GT(grid->Columns * grid->Rows, 0) << grid->Picture;
    for (std::int32_t row = 0; row < grid->Rows; ++row)
      for (std::int32_t column = 0; column < grid->Columns; ++column) {
        const std::int32_t x = grid->X(column), y = grid->Y(row);
        EXPECT_TRUE(x >= 0 && y >= 0 && x + grid->Width <= picture->Width() &&
                    y + grid->Height <= picture->Height())
            << grid->Picture << " (" << picture->Width() << " x " << picture->Height() << ") cell "
            << column << ", " << row << " at " << x << ", " << y << " size " << grid->Width << " x "
            << grid->Height;
      }
  }
  const tDib16* baseGfx = GetDib(sheets::BaseGfx, true);
  EXPECT_EQ(baseGfx->Width(), sheets::BaseGfxWidth);
  EXPECT_EQ(baseGfx->Height(), sheets::BaseGfxHeight);
  for (const char* picture : sheets::TerrainWholePictures)
    EXPECT_TRUE(PackagedFileExists(picture)) << picture;
  for (const sheets::tDeathPictureSet* set : sheets::DeathPictureSets)
    for (std::int32_t n = 1; n <= set->Count; ++n) {
      const std::string name = sheets::DeathPictureName(set->Prefix, n);
      ASSERT_TRUE(PackagedFileExists(name)) << name;
      const tDib16* picture = GetDib(name, true);
      EXPECT_EQ(picture->Width(), sheets::DeathPictureWidth) << name;
      EXPECT_EQ(picture->Height(), sheets::DeathPictureHeight) << name;
    }
}

// Every sample the game loads and plays is in the package's samples folder under the
// exact name the game asks for.
TEST_F(PackageManifestTest, EverySharedSampleNameIsInThePackage) {
  for (std::span<const char* const> group : {std::span<const char* const>(samples::MenuSamples),
                                             std::span<const char* const>(samples::PlayerSamples),
                                             std::span<const char* const>(samples::UnitSamples)})
    for (const char* name : group)
      EXPECT_TRUE(PackagedFileExists(std::string(samples::Folder) + "\\" + name)) << name;
}

// The level backdrops: the ruin's masonry in four stones, then places of their own.
constexpr const char* RuinBackdrops[] = {"Hollowmere.jpg", "Cistern.jpg", "Lanternhall.jpg",
                                         "Mossgate.jpg"};
constexpr const char* PlaceBackdrops[] = {"Frostvault.jpg", "Emberforge.jpg", "Sunkengarden.jpg",
                                          "Starlitruin.jpg"};

// The level editor offers the backdrops of the "BackDrops" folder and the modules of the
// "Music" folder: every one the game ships is in its folder.
TEST_F(PackageManifestTest, BackdropsAndMusicSitInTheFoldersTheEditorLists) {
  std::vector<std::string> names;
  ListPackagedFiles(".jpg", names);
  ListPackagedFiles(".xm", names);
  auto inFolder = [&](const std::string& path) {
    return std::find(names.begin(), names.end(), path) != names.end();
  };
  for (const char* name : RuinBackdrops) EXPECT_TRUE(inFolder(std::string("BackDrops/") + name));
  for (const char* name : PlaceBackdrops) EXPECT_TRUE(inFolder(std::string("BackDrops/") + name));
  const auto music = std::count_if(names.begin(), names.end(), [](const std::string& path) {
    return path.rfind("Music/", 0) == 0 && path.size() > 9 && path.ends_with(".xm");
  });
  EXPECT_GE(music, 6);
}

// A packaged picture's pixels as grey levels 0..255.
std::vector<double> GreyLevels(const std::string& name) {
  auto file = OpenPackagedFile(name);
  const tPicture picture = DecodePicture(file->Data(), name);
  EXPECT_EQ(picture.BitsPerPixel, 24) << name;
  std::vector<double> grey;
  for (std::size_t i = 0; i + 2 < picture.Bytes.size(); i += 3)
    grey.push_back((picture.Bytes[i] + picture.Bytes[i + 1] + picture.Bytes[i + 2]) / 3.0);
  return grey;
}

// A backdrop shows through every cell without a floor tile, behind the units: it must stay
// dark and soft enough that they read clearly in front of it, with no glaring patches.
TEST_F(PackageManifestTest, EveryBackdropIsDarkAndSoftBehindTheBoard) {
  std::vector<const char*> backdrops(std::begin(RuinBackdrops), std::end(RuinBackdrops));
  backdrops.insert(backdrops.end(), std::begin(PlaceBackdrops), std::end(PlaceBackdrops));
  for (const char* name : backdrops) {
    ASSERT_TRUE(PackagedFileExists(name)) << name;
    const std::vector<double> grey = GreyLevels(name);
    ASSERT_FALSE(grey.empty()) << name;
    double sum = 0, squares = 0;
    std::size_t glaring = 0;
    for (double light : grey) {
      sum += light;
      squares += light * light;
      glaring += light > 235;
    }
    const double mean = sum / grey.size();
    const double spread = std::sqrt(squares / grey.size() - mean * mean);
    EXPECT_GT(mean, 30.0) << name << " is too dark to see";
    EXPECT_LT(mean, 140.0) << name << " is too bright";
    EXPECT_LT(spread, 45.0) << name << " is too busy";
    EXPECT_LT(glaring, grey.size() / 100) << name << " glares";
  }
}

// The ruin's backdrops share one layout of arches in different stones; each place is a
// drawing of its own, not another colouring of one that exists: its light and shade line
// up with no other backdrop's.
TEST_F(PackageManifestTest, EachPlaceBackdropIsADrawingOfItsOwn) {
  auto correlation = [](const std::vector<double>& a, const std::vector<double>& b) {
    double ma = 0, mb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
      ma += a[i];
      mb += b[i];
    }
    ma /= a.size();
    mb /= b.size();
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
      ab += (a[i] - ma) * (b[i] - mb);
      aa += (a[i] - ma) * (a[i] - ma);
      bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
  };
  std::vector<std::pair<std::string, std::vector<double>>> pictures;
  for (const char* name : RuinBackdrops) pictures.emplace_back(name, GreyLevels(name));
  for (const char* name : PlaceBackdrops) pictures.emplace_back(name, GreyLevels(name));
  const std::size_t ruins = std::size(RuinBackdrops);
  EXPECT_GT(correlation(pictures[0].second, pictures[1].second), 0.6) << "the ruin's layout";
  for (std::size_t i = ruins; i < pictures.size(); ++i)
    for (std::size_t j = 0; j < pictures.size(); ++j) {
      if (i == j) continue;
      ASSERT_EQ(pictures[i].second.size(), pictures[j].second.size());
      EXPECT_LT(correlation(pictures[i].second, pictures[j].second), 0.6)
          << pictures[i].first << " and " << pictures[j].first;
    }
}

TEST_F(PackageManifestTest, TheEpisodesLevelsNameOnlyFilesThePackageHolds) {
  auto set = OpenPackagedFile("QuibNar.set");
  const auto bytes = set->Data();
  const auto entries = ParseSetLines(
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
  ASSERT_GE(entries.size(), 12u);
  // The episode opens with its introductory video; every other entry is a level.
  ASSERT_FALSE(entries.front().IsLevel()) << entries.front().Line;
  EXPECT_TRUE(PackagedFileExists(entries.front().FileName)) << entries.front().FileName;
  for (const tSetEntry& entry : entries) {
    if (&entry == &entries.front()) continue;
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

// An info marker whose picture is missing fires without showing anything: every marker of
// the episode names a hint picture the package holds.
TEST_F(PackageManifestTest, EveryInfoMarkerOfTheEpisodeShowsAPackagedPicture) {
  SetUpUnits();
  auto set = OpenPackagedFile("QuibNar.set");
  const auto bytes = set->Data();
  const auto entries = ParseSetLines(
      SplitLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
  int markers = 0;
  for (const tSetEntry& entry : entries) {
    if (!entry.IsLevel()) continue;
    tLevel level;
    LoadLevelFromFile(level, entry.FileName);
    for (const auto& unit : level.Units) {
      const auto* info = dynamic_cast<const tInfo*>(unit.get());
      if (info == nullptr) continue;
      ++markers;
      EXPECT_FALSE(info->ImageName.empty()) << entry.FileName << ": a marker without a picture";
      EXPECT_TRUE(PackagedFileExists(info->ImageName)) << entry.FileName << ": " << info->ImageName;
      EXPECT_FALSE(info->Caption.empty()) << entry.FileName << ": " << info->ImageName;
    }
  }
  EXPECT_GE(markers, 2);
}

}  // namespace
}  // namespace qn2

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "common/Exception.h"
#include "data/ProgressFile.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

namespace fs = std::filesystem;

using tValues = std::vector<std::int32_t>;

class ProgressFileTest : public ::testing::Test {
 protected:
  std::string PathOf(const std::string& name) const { return (Folder / name).string(); }

  void WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(Folder / name, std::ios::binary) << bytes;
  }

  std::string ReadBytes(const std::string& name) const {
    std::ifstream in(Folder / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  static std::string Encode(const tValues& values) {
    std::string bytes;
    for (const std::int32_t v : values)
      for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>((static_cast<std::uint32_t>(v) >> shift) & 0xFF);
    return bytes;
  }

  testing::tScratchFolder Scratch;
  fs::path Folder = Scratch.path();
};

TEST(ProgressFileNameTest, ExtensionOfTheSetFileBecomesProgress) {
  EXPECT_EQ(ProgressFileName("QuibNar.set"), "QuibNar.Progress");
  EXPECT_EQ(ProgressFileName("Extra.v2.set"), "Extra.v2.Progress");
  EXPECT_EQ(ProgressFileName("Levels\\Extra.set"), "Levels\\Extra.Progress");
  // A set name without an extension keeps its whole name, so two such episodes never
  // share one progress file.
  EXPECT_EQ(ProgressFileName("Extra"), "Extra.Progress");
  EXPECT_EQ(ProgressFileName("Sets.old\\Extra"), "Sets.old\\Extra.Progress");
  EXPECT_EQ(ProgressFileName("Sets.old/Extra"), "Sets.old/Extra.Progress");
}

TEST_F(ProgressFileTest, ValuesAreWrittenAsLittleEndianIntegersInEntryOrder) {
  WriteProgressFile(PathOf("Set.Progress"), {2, 0, 1, 0x01020304});
  EXPECT_EQ(ReadBytes("Set.Progress"),
            std::string("\x02\0\0\0\0\0\0\0\x01\0\0\0\x04\x03\x02\x01", 16));
}

TEST_F(ProgressFileTest, ShortFileFillsTheFirstEntriesAndLeavesTheRest) {
  WriteBytes("Set.Progress", Encode({1, 2, 0, 2, 1}));
  tValues values(7, 2);
  values[2] = 1;
  EXPECT_EQ(ReadProgressFile(PathOf("Set.Progress"), values), tProgressRead::Read);
  EXPECT_EQ(values, (tValues{1, 2, 0, 2, 1, 2, 2}));

  // A trailing partial value is ignored, and marks the file as damaged.
  WriteBytes("Set.Progress", Encode({2, 2}) + std::string("\x01\x00", 2));
  tValues partial(7, 0);
  EXPECT_EQ(ReadProgressFile(PathOf("Set.Progress"), partial), tProgressRead::Damaged);
  EXPECT_EQ(partial, (tValues{2, 2, 0, 0, 0, 0, 0}));
}

TEST_F(ProgressFileTest, FileWithMoreValuesThanEntriesIsIgnored) {
  WriteBytes("Set.Progress", Encode({2, 2, 2, 2, 2, 2, 2, 2}));
  tValues values{0, 1, 0, 1, 0, 1, 0};
  EXPECT_EQ(ReadProgressFile(PathOf("Set.Progress"), values), tProgressRead::TooLong);
  EXPECT_EQ(values, (tValues{0, 1, 0, 1, 0, 1, 0}));

  // One byte too many is already too long.
  WriteBytes("Set.Progress", Encode({2, 2}) + std::string(1, '\0'));
  tValues two{0, 0};
  EXPECT_EQ(ReadProgressFile(PathOf("Set.Progress"), two), tProgressRead::TooLong);
  EXPECT_EQ(two, (tValues{0, 0}));
}

TEST_F(ProgressFileTest, DamagedValuesReadAsNotSolved) {
  WriteBytes("Set.Progress", Encode({2, 3, -1, 0x7FFFFFFF, 1}));
  tValues values(5, 2);
  ReadProgressFile(PathOf("Set.Progress"), values);
  EXPECT_EQ(values, (tValues{2, 0, 0, 0, 1}));
}

TEST_F(ProgressFileTest, MissingFileMeansNothingSolvedAndIsWrittenAtOnce) {
  tValues values{2, 1, 2};
  EXPECT_EQ(ReadProgressFile(PathOf("Set.Progress"), values), tProgressRead::Missing);
  EXPECT_EQ(values, (tValues{2, 1, 2}));

  LoadProgress(PathOf("Set.Progress"), values);
  EXPECT_EQ(values, (tValues{0, 0, 0}));
  EXPECT_EQ(ReadBytes("Set.Progress"), std::string(12, '\0'));
}

TEST_F(ProgressFileTest, ExistingFileIsFoundWhateverItsLetterCase) {
  WriteBytes("quibnar.progress", Encode({2, 1}));
  tValues values(2, 0);
  LoadProgress(PathOf("QuibNar.Progress"), values);
  EXPECT_EQ(values, (tValues{2, 1}));

  WriteProgressFile(PathOf("QuibNar.Progress"), {1, 1});
  EXPECT_EQ(ReadBytes("quibnar.progress"), Encode({1, 1}));
  EXPECT_FALSE(fs::exists(Folder / "QuibNar.Progress"));
}

TEST_F(ProgressFileTest, WritingReplacesTheWholeFileAndEmptyEpisodeWritesNothing) {
  WriteBytes("Set.Progress", Encode({2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
  WriteProgressFile(PathOf("Set.Progress"), {0, 1, 2});
  EXPECT_EQ(ReadBytes("Set.Progress"), Encode({0, 1, 2}));

  WriteProgressFile(PathOf("Empty.Progress"), {});
  tValues none;
  LoadProgress(PathOf("Empty.Progress"), none);
  EXPECT_FALSE(fs::exists(Folder / "Empty.Progress"));
}

TEST_F(ProgressFileTest, ProgressInAMissingFolderCreatesTheFolder) {
  WriteProgressFile(PathOf("Levels\\Extra.Progress"), {1});
  EXPECT_EQ(ReadBytes("Levels/Extra.Progress"), Encode({1}));
}

TEST_F(ProgressFileTest, FailedWriteRaisesAndLeavesNoTemporaryFile) {
  fs::create_directory(Folder / "Set.Progress");
  EXPECT_THROW(WriteProgressFile(PathOf("Set.Progress"), {1, 2}), EFileError);
  EXPECT_TRUE(fs::is_directory(Folder / "Set.Progress"));

  WriteBytes("NotAFolder", "x");
  EXPECT_THROW(WriteProgressFile(PathOf("NotAFolder\\Set.Progress"), {1}), EFileError);
  EXPECT_EQ(ReadBytes("NotAFolder"), "x");

  for (const auto& item : fs::directory_iterator(Folder))
    EXPECT_NE(item.path().extension(), ".tmp") << item.path();
}

TEST_F(ProgressFileTest, ForceDirectoriesCreatesEveryMissingFolder) {
  EXPECT_TRUE(ForceDirectories(PathOf("Solutions\\Extra\\Deep\\")));
  EXPECT_TRUE(fs::is_directory(Folder / "Solutions" / "Extra" / "Deep"));
  EXPECT_TRUE(ForceDirectories(PathOf("Solutions")));
  // An existing folder in another letter case is used, not doubled.
  EXPECT_TRUE(ForceDirectories(PathOf("SOLUTIONS\\New")));
  EXPECT_TRUE(fs::is_directory(Folder / "Solutions" / "New"));

  WriteBytes("File", "x");
  EXPECT_FALSE(ForceDirectories(PathOf("File\\Below")));

  try {
    ForceDirectories("");
    FAIL() << "an empty path must raise";
  } catch (const EFileError& e) {
    EXPECT_STREQ(e.what(), "Unable to create directory");
  }
}

TEST_F(ProgressFileTest, ForceDirectoriesCreatesShortRelativeNames) {
  const fs::path previous = fs::current_path();
  fs::current_path(Folder);
  const bool created = ForceDirectories("S\\");
  const bool exists = fs::is_directory(Folder / "S");
  fs::current_path(previous);
  EXPECT_TRUE(created);
  EXPECT_TRUE(exists);
}

TEST_F(ProgressFileTest, DirectoryExistsOnlyForFolders) {
  fs::create_directories(Folder / "Solutions" / "Extra");
  WriteBytes("Plain", "x");
  EXPECT_TRUE(DirectoryExists(PathOf("Solutions\\Extra")));
  EXPECT_TRUE(DirectoryExists(PathOf("solutions\\extra\\")));
  EXPECT_FALSE(DirectoryExists(PathOf("Plain")));
  EXPECT_FALSE(DirectoryExists(PathOf("Missing")));
  EXPECT_FALSE(DirectoryExists(""));
}

}  // namespace
}  // namespace qn2

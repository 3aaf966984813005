// The player's best runs on disk: filed under the level's content key, replaced only by a
// better run, kept safe from damaged indexes and failed writes.
#include "data/BestStore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "common/Exception.h"
#include "data/LevelKey.h"
#include "data/Recorder.h"
#include "support/ScratchFolder.h"

namespace qn2 {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string LE(std::int32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8)
    bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
  return bytes;
}

// The store works in a scratch game folder, the current directory.
class BestStoreTest : public ::testing::Test {
 protected:
  BestStoreTest() {
    fs::current_path(Scratch.path());
    Store.OnProblem = [this](const std::string& text) { Problems.push_back(text); };
  }
  ~BestStoreTest() override { fs::current_path(SavedFolder); }

  static void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  fs::path SolutionPath(std::uint64_t key) const {
    return Scratch / "Best" / (KeyText(key) + ".Solution");
  }
  std::string Index() const { return ReadFile(Scratch / "Best" / "Best.txt"); }
  // The decisions of a solution file, as the playback reads them.
  static std::vector<std::int32_t> Played(std::uint64_t key, tBestStore& store) {
    tRecorder recorder;
    EXPECT_TRUE(store.LoadSolution(key, recorder));
    EXPECT_EQ(recorder.State(), rsStopped);
    recorder.StartPlayback();
    std::vector<std::int32_t> values;
    for (std::int32_t i = 0; i < recorder.Count(); ++i) values.push_back(recorder.PlayBackValue());
    return values;
  }

  testing::tScratchFolder Scratch;
  fs::path SavedFolder = fs::current_path();
  tBestStore Store;
  std::vector<std::string> Problems;
  static constexpr std::uint64_t Key = 0x00c0ffee12345678u;
};

TEST(LevelKeyTest, TheKeyFollowsTheFileContentNotItsName) {
  const std::string level = "[Misc]\r\nTitle=One\r\n[Units]\r\n";
  EXPECT_EQ(LevelContentKey(Bytes(level)), LevelContentKey(Bytes(std::string(level))));
  EXPECT_NE(LevelContentKey(Bytes(level)), LevelContentKey(Bytes(level + " ")));
  EXPECT_EQ(LevelContentKey({}), 0xcbf29ce484222325u) << "FNV-1a of nothing";
  EXPECT_EQ(LevelContentKey(Bytes("a")), 0xaf63dc4c8601ec8cu) << "FNV-1a of 'a'";

  testing::tScratchFolder scratch;
  const fs::path saved = fs::current_path();
  fs::current_path(scratch.path());
  std::ofstream("One.map", std::ios::binary) << level;
  fs::create_directories("Sub");
  std::ofstream("Sub/Copy.map", std::ios::binary) << level;
  EXPECT_EQ(LevelFileKey("One.map"), LevelContentKey(Bytes(level)));
  EXPECT_EQ(LevelFileKey("SUB\\copy.MAP"), LevelFileKey("One.map"));
  EXPECT_THROW(LevelFileKey("Missing.map"), Exception);
  fs::current_path(saved);
}

TEST(LevelKeyTest, KeyTextIsSixteenHexDigitsAndReadsBack) {
  EXPECT_EQ(KeyText(0x1a), "000000000000001a");
  EXPECT_EQ(KeyText(0xffffffffffffffffu), "ffffffffffffffff");
  EXPECT_EQ(ParseKeyText("000000000000001a"), 0x1au);
  EXPECT_EQ(ParseKeyText("DEADbeef"), 0xdeadbeefu);
  for (const char* bad : {"", "0x1a", "-1", "12345678901234567", "12g4", "1 "})
    EXPECT_EQ(ParseKeyText(bad), std::nullopt) << bad;
}

TEST(BestRunOrderTest, MoreJewelsWinThenFewerTurnsAndATieKeepsTheBest) {
  const tBestRun best{30, 2, 3};
  EXPECT_TRUE(BeatsBest({29, 2, 3}, best));
  EXPECT_FALSE(BeatsBest({30, 2, 3}, best)) << "a tie";
  EXPECT_FALSE(BeatsBest({31, 2, 3}, best));
  EXPECT_TRUE(BeatsBest({90, 3, 3}, best)) << "a jewel more outweighs any turns";
  EXPECT_FALSE(BeatsBest({5, 1, 3}, best)) << "a jewel less outweighs any turns";
}

TEST_F(BestStoreTest, ARunIsKeptOnlyWhenItBeatsTheBestAndAFreshStoreFindsIt) {
  EXPECT_EQ(Store.Find(Key), std::nullopt);
  tRecorder untouched;
  EXPECT_FALSE(Store.LoadSolution(Key, untouched));
  EXPECT_EQ(Store.SolutionFileName(Key), "Best\\00c0ffee12345678.Solution");

  ASSERT_TRUE(Store.Offer(Key, {5, 1, 2}, {10, 11, 0, 6, 7}));
  EXPECT_EQ(ReadFile(SolutionPath(Key)),
            "MorvRecord" + LE(5) + LE(10) + LE(11) + LE(0) + LE(6) + LE(7))
      << "the recorder's solution format";
  EXPECT_EQ(Index(), "00c0ffee12345678 5 1 2\r\n");

  EXPECT_FALSE(Store.Offer(Key, {9, 1, 2}, {4, 4, 4, 4, 4, 4, 4, 4, 4}));
  EXPECT_FALSE(Store.Offer(Key, {5, 1, 2}, {4, 4, 4, 4, 4}));
  EXPECT_EQ(Played(Key, Store), (std::vector<std::int32_t>{10, 11, 0, 6, 7}));

  ASSERT_TRUE(Store.Offer(Key, {8, 2, 2}, {10, 10, 10, 10, 6, 6, 6, 6}));
  ASSERT_TRUE(Store.Offer(0x2, {3, 0, 0}, {8, 8, 8}));
  EXPECT_EQ(Index(), "0000000000000002 3 0 0\r\n00c0ffee12345678 8 2 2\r\n");

  tBestStore again;
  EXPECT_EQ(again.Find(Key), (tBestRun{8, 2, 2}));
  EXPECT_EQ(again.Find(0x2), (tBestRun{3, 0, 0}));
  EXPECT_EQ(again.Find(0x3), std::nullopt);
  EXPECT_EQ(Played(Key, again), (std::vector<std::int32_t>{10, 10, 10, 10, 6, 6, 6, 6}));
  EXPECT_TRUE(Problems.empty());
}

TEST_F(BestStoreTest, ABestWhoseSolutionFileHasGoneIsReplacedByAnyRun) {
  ASSERT_TRUE(Store.Offer(Key, {5, 2, 2}, {10, 10, 10, 10, 10}));
  fs::remove(SolutionPath(Key));
  tRecorder recorder;
  EXPECT_THROW(Store.LoadSolution(Key, recorder), EFileError);
  EXPECT_EQ(recorder.Count(), 0) << "nothing read, nothing changed";
  EXPECT_TRUE(Store.Offer(Key, {40, 0, 2}, {6}));
  EXPECT_EQ(Store.Find(Key), (tBestRun{40, 0, 2}));
}

TEST_F(BestStoreTest, DamagedIndexLinesAreReportedAndLeftOutTheOthersStand) {
  Write(Scratch / "Best" / "Best.txt",
        "zz 1 2 3\r\n"                // not a key
        "00000000000000a1 7 1 2\r\n"  // good
        "\r\n"                        // blank lines are nothing
        "00000000000000a2 5\n"        // too few numbers
        "00000000000000a3 -4 0 0\r"   // negative turns
        "00000000000000a4 9 3 2\r\n"  // more jewels than the level has
        "00000000000000a5 9 1 2 extra\n"
        "  00000000000000A6\t12 0 0  \n");  // blanks around, upper case: good
  EXPECT_EQ(Store.Find(0xa1), (tBestRun{7, 1, 2}));
  EXPECT_EQ(Store.Find(0xa6), (tBestRun{12, 0, 0}));
  for (std::uint64_t key : {0xa2, 0xa3, 0xa4, 0xa5}) EXPECT_EQ(Store.Find(key), std::nullopt);
  ASSERT_EQ(Problems.size(), 6u);
  EXPECT_EQ(Problems[0], "Line 1 of \"Best\\Best.txt\" is damaged and was left out: zz 1 2 3");
  EXPECT_NE(Problems[1].find("Line 4 "), std::string::npos);
  EXPECT_NE(Problems[4].find("Line 7 "), std::string::npos);
  // The index as it was is kept aside before a new best writes over it.
  EXPECT_EQ(Problems[5], "The damaged \"Best\\Best.txt\" is kept as \"Best\\Best.txt.damaged\".");

  // Read once: asking again reports nothing more; the next write drops the damaged lines.
  EXPECT_EQ(Store.Find(0xa1), (tBestRun{7, 1, 2}));
  EXPECT_EQ(Problems.size(), 6u);
  ASSERT_TRUE(Store.Offer(0xa2, {3, 0, 0}, {8, 8, 8}));
  EXPECT_EQ(Index(),
            "00000000000000a1 7 1 2\r\n00000000000000a2 3 0 0\r\n00000000000000a6 12 0 0\r\n");
}

// A write is blocked by a folder where its temporary file would go, which stops even a
// program allowed to write anywhere.
TEST_F(BestStoreTest, AFailedWriteKeepsTheBestThatWasKeptBefore) {
  ASSERT_TRUE(Store.Offer(Key, {9, 1, 2}, {10, 10, 10}));
  const std::string oldSolution = ReadFile(SolutionPath(Key));
  const std::string oldIndex = Index();

  fs::path blocker = SolutionPath(Key);
  blocker += ".tmp";
  fs::create_directory(blocker);
  EXPECT_THROW(Store.Offer(Key, {4, 2, 2}, {6, 6, 6, 6}), EFileError) << "the solution fails";
  fs::remove(blocker);
  EXPECT_EQ(ReadFile(SolutionPath(Key)), oldSolution);
  EXPECT_EQ(Index(), oldIndex);
  EXPECT_EQ(Store.Find(Key), (tBestRun{9, 1, 2}));

  const fs::path indexBlocker = Scratch / "Best" / "Best.txt.tmp";
  fs::create_directory(indexBlocker);
  EXPECT_THROW(Store.Offer(Key, {4, 2, 2}, {6, 6, 6, 6}), EFileError) << "the index fails";
  EXPECT_EQ(ReadFile(SolutionPath(Key)), oldSolution) << "the solution kept before is put back";
  EXPECT_EQ(Index(), oldIndex);
  EXPECT_EQ(Store.Find(Key), (tBestRun{9, 1, 2}));
  EXPECT_THROW(Store.Offer(0x7, {4, 0, 0}, {6, 6, 6, 6}), EFileError) << "a level's first best";
  EXPECT_FALSE(fs::exists(SolutionPath(0x7))) << "no solution without its index line";

  fs::remove(indexBlocker);
  EXPECT_TRUE(Store.Offer(Key, {4, 2, 2}, {6, 6, 6, 6})) << "once the disk takes it again";
  EXPECT_EQ(tBestStore().Find(Key), (tBestRun{4, 2, 2}));
}

}  // namespace
}  // namespace qn2

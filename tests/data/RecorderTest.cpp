#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>

#include "common/Exception.h"
#include "data/MemoryStream.h"
#include "data/PackageFiles.h"
#include "data/Recorder.h"
#include "data/ZipTestSupport.h"

namespace qn2 {
namespace {

using namespace qn2::test;

// A solution file's bytes, put together independently of the recorder.
std::string LE(std::int32_t value) {
  std::string bytes;
  for (int shift = 0; shift < 32; shift += 8)
    bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> shift) & 0xFF);
  return bytes;
}

std::string SolutionBytes(std::int32_t count, const std::vector<std::int32_t>& values) {
  std::string bytes = "MorvRecord" + LE(count);
  for (const std::int32_t v : values) bytes += LE(v);
  return bytes;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ExpectMessage(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "nothing raised, expected \"" << message << "\"";
  } catch (const Exception& e) {
    EXPECT_EQ(e.message(), message);
  }
}

// Runs in a scratch folder as the current directory, so relative solution names land in it.
class RecorderTest : public ::testing::Test {
 protected:
  RecorderTest() { fs::current_path(Scratch.path()); }
  ~RecorderTest() override { fs::current_path(SavedFolder); }

  void Record(const std::vector<std::int32_t>& values) {
    Rec->StartRecording();
    for (const std::int32_t v : values) Rec->RecordValue(v);
    Rec->Stop();
  }

  void Load(const std::string& bytes) {
    tMemoryStream stream(Bytes(bytes));
    Rec->LoadFromStream(stream);
  }

  std::vector<std::int32_t> Play(std::size_t turns) {
    Rec->StartPlayback();
    std::vector<std::int32_t> played;
    for (std::size_t i = 0; i < turns; ++i) played.push_back(Rec->PlayBackValue());
    return played;
  }

  std::string Saved() {
    tMemoryStream stream;
    Rec->SaveToStream(stream);
    return Text(stream.Data());
  }

  fs::path SavedFolder = fs::current_path();
  tScratchFolder Scratch;
  std::unique_ptr<tRecorder> Rec = std::make_unique<tRecorder>();
};

TEST_F(RecorderTest, SolutionFileHoldsSignatureCountAndValuesLittleEndian) {
  Record({0, 1, 4, 11, 0x01020304, -2});
  Rec->SaveToFile("Level01.Solution");
  EXPECT_EQ(ReadFile("Level01.Solution"),
            std::string("MorvRecord\x06\0\0\0", 14) + std::string("\0\0\0\0\x01\0\0\0", 8) +
                std::string("\x04\0\0\0\x0B\0\0\0", 8) + "\x04\x03\x02\x01" + "\xFE\xFF\xFF\xFF");

  // An older, longer solution is replaced, not overwritten in place.
  WriteFile("Old.Solution", SolutionBytes(20, std::vector<std::int32_t>(20, 7)));
  Rec->SaveToFile("Old.Solution");
  EXPECT_EQ(ReadFile("Old.Solution"), ReadFile("Level01.Solution"));
}

TEST_F(RecorderTest, RecordingKeepsTheFirst8192DecisionsAndStopKeepsThem) {
  Rec->StartRecording();
  for (std::int32_t i = 0; i < 8195; ++i) Rec->RecordValue(i % 12);
  EXPECT_EQ(Rec->Count(), 8192);
  const std::string whileRecording = Saved();
  ASSERT_EQ(whileRecording.size(), 14u + 4u * 8192u);
  EXPECT_EQ(whileRecording.substr(10, 4), LE(8192));
  EXPECT_EQ(whileRecording.substr(14 + 4 * 8191, 4), LE(8191 % 12));

  Rec->Stop();
  EXPECT_EQ(Rec->State(), rsStopped);
  EXPECT_EQ(Saved(), whileRecording);

  // A new recording starts empty.
  Rec->StartRecording();
  Rec->RecordValue(9);
  EXPECT_EQ(Saved(), SolutionBytes(1, {9}));
  EXPECT_EQ(Play(3), (std::vector<std::int32_t>{9, 0, 0}));
}

TEST_F(RecorderTest, RecordingAndPlayingInTheWrongStateRaise) {
  const std::string notRecording = "RecordValue called while the recorder wasn't recording.";
  const std::string notPlaying = "PlayBackValue called while the recorder wasn't Playing.";
  ExpectMessage([&] { Rec->RecordValue(4); }, notRecording);
  ExpectMessage([&] { Rec->PlayBackValue(); }, notPlaying);
  Rec->StartRecording();
  ExpectMessage([&] { Rec->PlayBackValue(); }, notPlaying);
  Rec->StartPlayback();
  ExpectMessage([&] { Rec->RecordValue(4); }, notRecording);
  Rec->Stop();
  ExpectMessage([&] { Rec->RecordValue(4); }, notRecording);
  ExpectMessage([&] { Rec->PlayBackValue(); }, notPlaying);
}

TEST_F(RecorderTest, EmptySolutionAfterLevelLoadPlaysNoMoves) {
  Record({8, 9, 10, 11});
  Rec->Clear();  // a level was loaded
  EXPECT_EQ(Rec->State(), rsIdle);
  Load(SolutionBytes(0, {}));
  EXPECT_EQ(Play(RecorderTableSize + 5), std::vector<std::int32_t>(RecorderTableSize + 5, 0));
}

TEST_F(RecorderTest, ShortFilesLeaveTheRestOfTheTableAsItWas) {
  Record({4, 5, 6, 7, 8, 9});

  // A shorter solution: the longer recording's values follow it.
  Load(SolutionBytes(2, {10, 11}));
  EXPECT_EQ(Play(7), (std::vector<std::int32_t>{10, 11, 6, 7, 8, 9, 0}));
  EXPECT_EQ(Saved(), SolutionBytes(2, {10, 11}));

  // The file ends right after its count: the table stays, the count is the file's.
  Load(SolutionBytes(3, {}));
  EXPECT_EQ(Rec->Count(), 3);
  EXPECT_EQ(Play(4), (std::vector<std::int32_t>{10, 11, 6, 7}));

  // Only whole values are taken; a value cut short leaves the old one.
  Load(SolutionBytes(3, {1}) + std::string("\x02\0", 2));
  EXPECT_EQ(Play(3), (std::vector<std::int32_t>{1, 11, 6}));

  // A count cut short claims nothing.
  Load("MorvRecord\x05");
  EXPECT_EQ(Rec->Count(), 0);
  EXPECT_EQ(Play(2), (std::vector<std::int32_t>{1, 11}));
}

// A count the table cannot hold is refused whole with a message, instead of being cut
// silently, and the recorder keeps what it had; a full table still loads and plays.
TEST_F(RecorderTest, CountsBeyondTheTableAreRefusedAndChangeNothing) {
  std::vector<std::int32_t> values(RecorderTableSize);
  for (std::size_t i = 0; i < values.size(); ++i) values[i] = static_cast<std::int32_t>(i);
  Load(SolutionBytes(RecorderTableSize, values));
  EXPECT_EQ(Rec->Count(), RecorderTableSize);
  const std::vector<std::int32_t> played = Play(RecorderTableSize + 3);
  EXPECT_EQ(played[8192], 8192);  // the last slot, reachable only by playback
  EXPECT_EQ(played[8193], 0);
  EXPECT_EQ(Rec->Position(), RecorderTableSize);

  Load(SolutionBytes(2, {5, 1}));
  for (const std::int32_t count : {RecorderTableSize + 1, INT_MAX, -3}) {
    SCOPED_TRACE(count);
    ExpectMessage(
        [&] {
          Load(SolutionBytes(count, {7, 7, 7}));
        },
        "This solution claims " + std::to_string(count) +
            " recorded values; a recording holds 0 to 8193.");
    EXPECT_EQ(Rec->Count(), 2);
    EXPECT_EQ(Saved(), SolutionBytes(2, {5, 1}));
  }
}

TEST_F(RecorderTest, WrongSignatureRaisesAndChangesNothing) {
  Record({4, 6});
  const std::string message = "Not a QuibNar Record file!";
  for (const std::string& bytes :
       {SolutionBytes(1, {9}).replace(0, 1, "m"), std::string("MorvRec"), std::string()})
    ExpectMessage([&] { Load(bytes); }, message);

  WriteFile("Bad.Solution", "QuibNar Level" + LE(1) + LE(9));
  ExpectMessage([&] { Rec->LoadFromFile("Bad.Solution"); }, message);
  EXPECT_EQ(Saved(), SolutionBytes(2, {4, 6}));
}

TEST_F(RecorderTest, StoredSolutionIsFoundThroughThePackageLookup) {
  const std::string name = StoredSolutionName("Level07.map");
  EXPECT_EQ(name, "Solutions\\Level07.Solution");
  WriteFile("solutions/level07.solution", SolutionBytes(3, {4, 9, 10}));
  ASSERT_TRUE(PackagedFileExists(name));
  Rec->LoadFromFile(name);
  EXPECT_EQ(Play(4), (std::vector<std::int32_t>{4, 9, 10, 0}));

  EXPECT_THROW(Rec->LoadFromFile(StoredSolutionName("Level08.map")), EFileMissing);
}

TEST(RecorderNamesTest, StoredNameDropsOnlyTheExtension) {
  EXPECT_EQ(StoredSolutionName("Ice.Caves.map"), "Solutions\\Ice.Caves.Solution");
  EXPECT_EQ(StoredSolutionName("Levels\\Ice.map"), "Solutions\\Levels\\Ice.Solution");
  EXPECT_EQ(StoredSolutionName("Plain"), "Solutions\\Plain.Solution");
  // A "." in a folder name is not an extension.
  EXPECT_EQ(StoredSolutionName("Extra.v2\\Plain"), "Solutions\\Extra.v2\\Plain.Solution");
}

TEST_F(RecorderTest, NewSolutionGoesNextToTheLevelFile) {
  const fs::path here = fs::current_path();
  const std::string name = NewSolutionFileName("Levels\\New\\Ice.Caves.map");
  EXPECT_EQ(fs::path(name), here / "Levels" / "New" / "Ice.Caves.Solution");
  EXPECT_TRUE(fs::is_directory(here / "Levels" / "New"));
  Record({5});
  Rec->SaveToFile(name);
  EXPECT_EQ(ReadFile(here / "Levels" / "New" / "Ice.Caves.Solution"), SolutionBytes(1, {5}));

  const std::string absolute = (here / "Deep" / "er" / ".." / "Cave.map").string();
  EXPECT_EQ(fs::path(NewSolutionFileName(absolute)), here / "Deep" / "Cave.Solution");
  EXPECT_TRUE(fs::is_directory(here / "Deep"));
}

TEST_F(RecorderTest, NewSolutionFallsBackToTheCurrentFolderWhenItsFolderCannotBeMade) {
  WriteFile("Blocker", "a file where a folder should be");
  EXPECT_EQ(NewSolutionFileName("Blocker\\Sub\\Cave.map"), "Cave.Solution");

  // Saving into such a place is reported, not passed over.
  Record({4});
  EXPECT_THROW(Rec->SaveToFile("Blocker\\Sub\\Cave.Solution"), EFileError);
}

}  // namespace
}  // namespace qn2

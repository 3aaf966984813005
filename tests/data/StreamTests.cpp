#include <gtest/gtest.h>

#include "data/DiskFiles.h"
#include "data/FileStream.h"
#include "data/MemoryStream.h"
#include "data/ZipTestSupport.h"

namespace qn2 {
namespace {

using namespace qn2::test;

TEST(MemoryStream, ReadsWritesAndRefusesShortReadsAndNegativePositions) {
  tMemoryStream stream(Bytes("abcdef"));
  char buffer[8];
  stream.Seek(4, tSeekOrigin::Beginning);
  try {
    stream.ReadBuffer(buffer, 3);
    ADD_FAILURE() << "short read did not raise";
  } catch (const EReadError& e) {
    EXPECT_STREQ("Stream read error", e.what());
  }
  EXPECT_THROW(stream.Seek(-1, tSeekOrigin::Beginning), EStreamError);
  EXPECT_THROW(stream.Seek(-7, tSeekOrigin::End), EStreamError);
  // Writing beyond the end fills the gap with zeros.
  EXPECT_EQ(8, stream.Seek(2, tSeekOrigin::End));
  stream.WriteBuffer("xy", 2);
  EXPECT_EQ(10, stream.Size());
  stream.SetPosition(0);
  EXPECT_EQ(std::string("abcdef\0\0xy", 10), ReadRest(stream));
  stream.SetSize(3);
  EXPECT_EQ(3, stream.Position());
  EXPECT_EQ(0u, stream.Read(buffer, 1));
}

class DiskFilesTest : public ::testing::Test {
 protected:
  std::string Name(const std::string& relative) { return (Scratch / relative).string(); }
  std::string Found(const std::string& relative) {
    const auto path = FindDiskFile(Name(relative));
    return path ? fs::relative(*path, Scratch.path()).generic_string() : "(none)";
  }
  tScratchFolder Scratch;
};

TEST_F(DiskFilesTest, NamesAreMatchedPartByPartIgnoringCaseAndBackslashes) {
  WriteFile(Scratch / "Samples/Boom.Wav", "boom");
  EXPECT_EQ("Samples/Boom.Wav", Found("samples\\boom.wav"));
  EXPECT_EQ("Samples/Boom.Wav", Found("SAMPLES/BOOM.WAV"));
  EXPECT_EQ("Samples/Boom.Wav", Found("Samples\\.\\Boom.Wav"));
  EXPECT_EQ("Samples/Boom.Wav", Found("Levels\\..\\Samples\\Boom.Wav"));
  EXPECT_EQ("(none)", Found("samples"));  // a folder is not a file
  EXPECT_EQ("(none)", Found("samples\\boom.wa"));
  EXPECT_EQ("(none)", Found("samples\\boom.wav\\"));
  EXPECT_FALSE(DiskFileExists(""));
}

TEST_F(DiskFilesTest, ExactSpellingWinsAndOtherSpellingsAreTriedInTurn) {
  WriteFile(Scratch / "levels/A.map", "lower folder");
  WriteFile(Scratch / "Levels/a.map", "exact folder");
  WriteFile(Scratch / "Levels/B.map", "upper folder only");
  WriteFile(Scratch / "LEVELS/c.map", "third folder");
  EXPECT_EQ("Levels/a.map", Found("Levels\\a.map"));
  EXPECT_EQ("levels/A.map", Found("levels\\A.map"));
  EXPECT_EQ("Levels/B.map", Found("levels\\b.map"));
  EXPECT_EQ("LEVELS/c.map", Found("Levels\\C.MAP"));
}

TEST_F(DiskFilesTest, FileStreamsCreateAndOpenUnderTheGamesNames) {
  fs::create_directories(Scratch / "solutions");
  {
    tFileStream out(Name("Solutions\\Level1.Solution"), tFileStream::tMode::Create);
    out.WriteBuffer("recorded", 8);
    out.SetPosition(0);
    char start[3];
    out.ReadBuffer(start, 3);
    EXPECT_EQ("rec", std::string(start, 3));
    out.WriteBuffer("ORDED", 5);
    EXPECT_EQ(8, out.Size());
  }
  EXPECT_TRUE(fs::is_regular_file(Scratch / "solutions/Level1.Solution"));
  {
    // Rewriting under another spelling replaces the file instead of adding a second one.
    tFileStream out(Name("SOLUTIONS\\level1.solution"), tFileStream::tMode::Create);
    out.WriteBuffer("again", 5);
  }
  EXPECT_EQ(1,
            std::distance(fs::directory_iterator(Scratch / "solutions"), fs::directory_iterator()));
  tFileStream in(Name("solutions/LEVEL1.SOLUTION"), tFileStream::tMode::OpenRead);
  EXPECT_EQ("again", ReadRest(in));
  EXPECT_EQ(0u, in.Write("x", 1));

  try {
    tFileStream missing(Name("Solutions\\None.Solution"), tFileStream::tMode::OpenRead);
    ADD_FAILURE() << "opened a missing file";
  } catch (const EFileError& e) {
    EXPECT_EQ("Cannot open file \"" + Name("Solutions\\None.Solution") + "\"", e.what());
  }
  EXPECT_THROW(tFileStream(Name("NoFolder\\x.txt"), tFileStream::tMode::Create), EFileError);
}

}  // namespace
}  // namespace qn2

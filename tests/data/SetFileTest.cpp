#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "data/SetFile.h"

namespace qn2 {
namespace {

TEST(SetFileTest, LevelKindsIgnoreLetterCaseButVideoMustBeExact) {
  const struct {
    const char* Line;
    tEntryKind Kind;
  } cases[] = {
      {"Level Cave.lev", tEntryKind::Level},
      {"level Cave.lev", tEntryKind::Level},
      {"LEVEL Cave.lev", tEntryKind::Level},
      {"DummyLevel Gap.lev", tEntryKind::DummyLevel},
      {"dummylevel Gap.lev", tEntryKind::DummyLevel},
      {"Video Intro.avi", tEntryKind::Video},
      {"video Intro.avi", tEntryKind::Other},
      {"VIDEO Intro.avi", tEntryKind::Other},
      {"Music Theme.xm", tEntryKind::Other},
      {"", tEntryKind::None},
      {" Level Cave.lev", tEntryKind::None},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseSetLine(c.Line).Kind, c.Kind) << c.Line;

  EXPECT_TRUE(ParseSetLine("level a").IsLevel());
  EXPECT_TRUE(ParseSetLine("DummyLevel a").IsLevel());
  EXPECT_TRUE(ParseSetLine("DummyLevel a").IsDummy());
  EXPECT_FALSE(ParseSetLine("Level a").IsDummy());
  EXPECT_FALSE(ParseSetLine("Video a").IsLevel());
  EXPECT_TRUE(ParseSetLine("Video a").IsVideo());
}

TEST(SetFileTest, KindIsBeforeTheFirstBlankAndFileNameIsEverythingAfterIt) {
  const tSetEntry spaced = ParseSetLine("Level My First Level.lev");
  EXPECT_EQ(spaced.KindText, "Level");
  EXPECT_EQ(spaced.FileName, "My First Level.lev");

  const tSetEntry noBlank = ParseSetLine("Level");
  EXPECT_EQ(noBlank.KindText, "Level");
  EXPECT_EQ(noBlank.Kind, tEntryKind::Level);
  EXPECT_EQ(noBlank.FileName, "");

  const tSetEntry word = ParseSetLine("Cave.lev");
  EXPECT_EQ(word.KindText, "Cave.lev");
  EXPECT_EQ(word.Kind, tEntryKind::Other);
  EXPECT_EQ(word.FileName, "");

  EXPECT_EQ(ParseSetLine("Level  Two.lev").FileName, " Two.lev");
}

TEST(SetFileTest, EveryLineIsAnEntryAtItsLineNumber) {
  const auto entries = ParseSetLines({"Level A.lev", "", "Video B.avi", "DummyLevel C.lev"});
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].FileName, "A.lev");
  EXPECT_EQ(entries[1].Kind, tEntryKind::None);
  EXPECT_EQ(entries[2].Kind, tEntryKind::Video);
  EXPECT_EQ(entries[3].Line, "DummyLevel C.lev");
}

TEST(SetFileTest, TitleFileComesFromTheTrimmedLine) {
  EXPECT_EQ(TitleFileName("   Level Cave.lev  "), "Cave.lev");
  EXPECT_EQ(TitleFileName("Level"), "");
  EXPECT_EQ(TitleFileName("   "), "");
}

TEST(SetFileTest, TitleIsTheFirstTitleLineInAnyCase) {
  EXPECT_EQ(ReadTitle({"[Misc]", "Music=Theme.xm", "tITLE=The Cave", "Title=Later"}), "The Cave");
  EXPECT_EQ(ReadTitle({"Title=A=B"}), "A=B");
  EXPECT_EQ(ReadTitle({"Title", "Subtitle=No", " Title=No"}), "");
  EXPECT_EQ(ReadTitle({}), "");
}

TEST(SetFileTest, TitlesAreReadForEveryNamedEntryButVideosAndReadFailuresPropagate) {
  const std::map<std::string, std::vector<std::string>> files{
      {"A.lev", {"[Misc]", "Title=Alpha"}},
      {"B.avi", {"binary"}},
      {"C.lev", {"Title=Gamma"}},
  };
  std::vector<std::string> asked;
  const tReadFileLines read = [&](const std::string& name) {
    asked.push_back(name);
    const auto it = files.find(name);
    if (it == files.end()) throw std::runtime_error("Cannot open file \"" + name + "\"");
    return it->second;
  };

  // The video is not read, so a missing one cannot stop the episode from loading.
  auto entries = ParseSetLines(
      {"Level A.lev", "", "Video B.avi", "Level", "  Odd C.lev ", "Video Missing.mp4"});
  ReadTitles(entries, read);
  EXPECT_EQ(asked, (std::vector<std::string>{"A.lev", "C.lev"}));
  EXPECT_EQ(entries[0].Title, "Alpha");
  EXPECT_EQ(entries[1].Title, "");
  EXPECT_EQ(entries[2].Title, "");
  EXPECT_EQ(entries[4].Title, "Gamma");

  auto missing = ParseSetLines({"Level A.lev", "Level Gone.lev"});
  EXPECT_THROW(ReadTitles(missing, read), std::runtime_error);
}

TEST(SetFileTest, ShippedEpisodeLabelsItsBonusLevels) {
  EXPECT_EQ(EntryLabel("Quibnar.set", 0), " 1");
  EXPECT_EQ(EntryLabel("Quibnar.set", 8), " 9");
  EXPECT_EQ(EntryLabel("Quibnar.set", 9), "10");
  EXPECT_EQ(EntryLabel("Quibnar.set", 53), "54");
  EXPECT_EQ(EntryLabel("Quibnar.set", 54), "B1");
  EXPECT_EQ(EntryLabel("QuibNar.set", 62), "B9");
  EXPECT_EQ(EntryLabel("QUIBNAR.SET", 64), "B11");

  EXPECT_EQ(EntryLabel("Extra.set", 54), "55");
  EXPECT_EQ(EntryLabel("Extra.set", 6), " 7");
}

}  // namespace
}  // namespace qn2

// The tools the music is written with: note names, hand-written phrases and drum lines,
// broken chords and scales.
#include "SongTools.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace soundgen {
namespace {

constexpr int Channels = 4;

const tXmCell& CellAt(const tXmPattern& p, int row, int channel) {
  return p.Cells[static_cast<size_t>(row * Channels + channel)];
}

int VolumeAt(const tXmPattern& p, int row, int channel) {
  return CellAt(p, row, channel).Volume - 0x10;
}

TEST(SongToolsTest, NoteNamesReadAsMidiNumbers) {
  EXPECT_EQ(ParseNote("C4"), 60);
  EXPECT_EQ(ParseNote("A4"), 69);
  EXPECT_EQ(ParseNote("F#3"), 54);
  EXPECT_EQ(ParseNote("Bb5"), 82);
  EXPECT_EQ(ParseNote("Cb4"), 59);
  EXPECT_EQ(ParseNote("B0"), 23);
  for (const char* bad : {"", "C", "H4", "c4", "C#", "C10", "C9", "E#x4", "C4 "})
    EXPECT_THROW(ParseNote(bad), std::invalid_argument) << bad;
}

TEST(SongToolsTest, APhraseWritesOneTokenPerRow) {
  tXmPattern p = BlankPattern(16, Channels);
  tPen pen(p, Channels);
  pen.Phrase(2, 1, 3, 40, "C5 . E5:20  ^ G4", 12);
  EXPECT_EQ(CellAt(p, 2, 1).Note, XmNote(84));
  EXPECT_EQ(CellAt(p, 2, 1).Instrument, 3);
  EXPECT_EQ(VolumeAt(p, 2, 1), 40);
  EXPECT_TRUE(CellAt(p, 3, 1).Empty());  // "." lets the note ring
  EXPECT_EQ(CellAt(p, 4, 1).Note, XmNote(88));
  EXPECT_EQ(VolumeAt(p, 4, 1), 20);
  EXPECT_EQ(CellAt(p, 5, 1).Note, XmKeyOff);
  EXPECT_EQ(CellAt(p, 6, 1).Note, XmNote(79));
  for (int row = 0; row < 16; ++row)
    for (int channel : {0, 2, 3}) EXPECT_TRUE(CellAt(p, row, channel).Empty());
}

TEST(SongToolsTest, APhraseRunningPastThePatternIsCutAndAKeyOffNeverHidesANote) {
  tXmPattern p = BlankPattern(4, Channels);
  tPen pen(p, Channels);
  pen.Note(1, 0, 60, 1, 30);
  pen.Off(1, 0);
  EXPECT_EQ(CellAt(p, 1, 0).Note, XmNote(60));
  EXPECT_NO_THROW(pen.Phrase(2, 0, 1, 30, "C5 D5 E5 F5 G5"));
  EXPECT_EQ(CellAt(p, 3, 0).Note, XmNote(74));
  EXPECT_NO_THROW(pen.Off(4, 0));
  EXPECT_THROW(pen.Note(4, 0, 60, 1, 30), std::out_of_range);
  EXPECT_THROW(pen.Note(0, Channels, 60, 1, 30), std::out_of_range);
  EXPECT_THROW(pen.Phrase(0, 1, 1, 30, "C5 X"), std::invalid_argument);
}

TEST(SongToolsTest, TheMixLevelLiftsEveryVolumeUpToTheTop) {
  tXmPattern p = BlankPattern(4, Channels);
  tPen pen(p, Channels, 150);
  pen.Note(0, 0, 60, 1, 20);
  pen.Note(1, 0, 60, 1, 60);
  EXPECT_EQ(VolumeAt(p, 0, 0), 30);
  EXPECT_EQ(VolumeAt(p, 1, 0), 64);
}

TEST(SongToolsTest, ADrumLineHasLoudNormalAndSoftHitsAndSkipsBlanks) {
  tXmPattern p = BlankPattern(8, Channels);
  tPen pen(p, Channels);
  pen.Beat(0, 2, 5, 60, 40, "X.x. o..x");
  EXPECT_EQ(VolumeAt(p, 0, 2), 50);
  EXPECT_EQ(VolumeAt(p, 2, 2), 40);
  EXPECT_EQ(VolumeAt(p, 4, 2), 20);
  EXPECT_EQ(VolumeAt(p, 7, 2), 40);
  for (int row : {1, 3, 5, 6}) EXPECT_TRUE(CellAt(p, row, 2).Empty()) << row;
  EXPECT_EQ(CellAt(p, 0, 2).Instrument, 5);
  EXPECT_THROW(pen.Beat(0, 2, 5, 60, 40, "x-x"), std::invalid_argument);
}

TEST(SongToolsTest, ABrokenChordPlaysOnlyChordTonesOnAlternateChannels) {
  tXmPattern p = BlankPattern(16, Channels);
  tPen pen(p, Channels);
  const tChord chord = Minor7(57);
  Arpeggio(pen, 0, 0, 1, 2, chord, ArpRising, 2, 44);
  for (int row = 0; row < 16; ++row) {
    const int channel = (row / 2) % 2;
    const tXmCell& played = CellAt(p, row, channel);
    const tXmCell& other = CellAt(p, row, 1 - channel);
    EXPECT_TRUE(other.Empty()) << row;
    if (row % 2) {
      EXPECT_TRUE(played.Empty()) << row;
      continue;
    }
    ASSERT_NE(played.Note, 0) << row;
    EXPECT_TRUE(InChord(chord, played.Note + 11)) << row;
    EXPECT_EQ(VolumeAt(p, row, channel), row == 0 ? 44 : (row % 4 ? 26 : 34)) << row;
  }
}

TEST(SongToolsTest, ScalesStepOverNotesOutsideTheKey) {
  const tScale aMinor{{9, 11, 0, 2, 4, 5, 7}};
  EXPECT_TRUE(aMinor.Has(69));
  EXPECT_FALSE(aMinor.Has(70));
  EXPECT_TRUE(aMinor.Has(-3));  // below zero still reads its pitch class
  EXPECT_EQ(aMinor.Step(69, 1), 71);
  EXPECT_EQ(aMinor.Step(71, 1), 72);
  EXPECT_EQ(aMinor.Step(69, -2), 65);
  EXPECT_EQ(aMinor.Step(70, 1), 71);  // from outside the key to the next note in it
  EXPECT_EQ(NearestChordTone(Major(48), 62, 55, 80), 60);
  EXPECT_EQ(NearestChordTone(Major(48), 62, 62, 80), 64);
}

}  // namespace
}  // namespace soundgen

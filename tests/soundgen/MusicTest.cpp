// The game's music as a whole: every piece encodes, has a name the game can ask for, and
// plays instruments of its own.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <set>

#include "Instruments.h"
#include "MixStats.h"
#include "Songs.h"
#include "Synth.h"
#include "Wav.h"

namespace soundgen {
namespace {

TEST(MusicTest, EveryPieceEncodesUnderACamelCaseModuleName) {
  const auto songs = MakeSongs();
  ASSERT_GE(songs.size(), 8u);
  std::set<std::string> names;
  for (const tSong& song : songs) {
    EXPECT_TRUE(names.insert(song.FileName).second) << song.FileName;
    ASSERT_GT(song.FileName.size(), 3u);
    EXPECT_TRUE(song.FileName.ends_with(".xm")) << song.FileName;
    EXPECT_TRUE(std::isupper(static_cast<unsigned char>(song.FileName[0]))) << song.FileName;
    EXPECT_EQ(song.FileName.find(' '), std::string::npos) << song.FileName;
    EXPECT_NO_THROW(EncodeXm(song.Module)) << song.FileName;
    const double seconds =
        song.Module.Order.size() * 64.0 * song.Module.Speed * 2.5 / song.Module.Bpm;
    EXPECT_GE(seconds, 60.0) << song.FileName;
    EXPECT_LE(seconds, 130.0) << song.FileName;
  }
}

// Only the three lantern-hall pieces share their kit; every other piece has samples no
// other piece plays, and each piece its own tempo.
TEST(MusicTest, PiecesOutsideTheLanternKitHaveInstrumentsAndTemposOfTheirOwn) {
  std::set<std::vector<std::int16_t>> kit;
  for (const tXmInstrument& ins : MakeInstruments()) kit.insert(ins.Sample.Data);
  std::map<std::vector<std::int16_t>, std::set<std::string>> playedBy;
  std::map<int, std::string> tempos;
  int ownKits = 0;
  for (const tSong& song : MakeSongs()) {
    bool own = true;
    for (const tXmInstrument& ins : song.Module.Instruments) {
      playedBy[ins.Sample.Data].insert(song.FileName);
      if (kit.count(ins.Sample.Data)) own = false;
    }
    ownKits += own;
    const auto [at, added] = tempos.emplace(song.Module.Bpm, song.FileName);
    EXPECT_TRUE(added) << song.FileName << " has the tempo of " << at->second;
  }
  EXPECT_GE(ownKits, 5);
  for (const auto& [sample, songs] : playedBy)
    if (songs.size() > 1) {
      EXPECT_TRUE(kit.count(sample)) << *songs.begin() << " shares a sample";
    }
}

// True when the piece plays the three lantern-lit pieces' shared kit.
bool PlaysTheLanternKit(const tXmModule& m) {
  static const std::vector<tXmInstrument> kit = MakeInstruments();
  return !m.Instruments.empty() && m.Instruments[0].Sample.Data == kit[0].Sample.Data;
}

// No piece names an instrument it lacks; a piece with instruments of its own plays every
// one of them and leaves none of its channels unused (the lantern-lit pieces each play
// only part of their shared kit).
TEST(MusicTest, EveryInstrumentAndChannelOfAPieceIsPlayed) {
  int own = 0;
  for (const tSong& song : MakeSongs()) {
    const tXmModule& m = song.Module;
    std::set<int> instruments, channels;
    for (const tXmPattern& p : m.Patterns)
      for (size_t i = 0; i < p.Cells.size(); ++i) {
        const tXmCell& c = p.Cells[i];
        if (c.Instrument) instruments.insert(c.Instrument);
        if (c.Note && c.Note != XmKeyOff) channels.insert(static_cast<int>(i) % m.Channels);
        EXPECT_LE(c.Instrument, m.Instruments.size()) << song.FileName;
        if (c.Note && c.Note != XmKeyOff) {
          EXPECT_NE(c.Instrument, 0) << song.FileName;
        }
      }
    if (PlaysTheLanternKit(m)) continue;
    ++own;
    EXPECT_EQ(instruments.size(), m.Instruments.size()) << song.FileName;
    EXPECT_EQ(channels.size(), static_cast<size_t>(m.Channels)) << song.FileName;
  }
  EXPECT_GE(own, 5);
}

// A looping sample sounds for as long as its note is held, so it needs an envelope that
// holds and then lets go, or it would drone on; a sample played once must fade to
// silence at its end rather than stop with a click.
TEST(MusicTest, LoopedInstrumentsReleaseAndOneShotsEndInSilence) {
  for (const tSong& song : MakeSongs())
    for (const tXmInstrument& ins : song.Module.Instruments) {
      const tXmSample& s = ins.Sample;
      ASSERT_FALSE(s.Data.empty()) << song.FileName << ": " << ins.Name;
      if (s.Loop) {
        EXPECT_EQ(s.LoopStart + s.LoopLength, s.Data.size()) << ins.Name;
        ASSERT_GE(ins.Volume.Sustain, 0) << song.FileName << ": " << ins.Name;
        EXPECT_LT(static_cast<size_t>(ins.Volume.Sustain), ins.Volume.Points.size()) << ins.Name;
        EXPECT_EQ(ins.Volume.Points.back().Value, 0) << ins.Name;
        EXPECT_GT(ins.Fadeout, 0) << ins.Name;
      } else {
        EXPECT_LE(std::abs(s.Data.back()), 200) << song.FileName << ": " << ins.Name;
      }
      EXPECT_LE(ins.Name.size(), 22u) << ins.Name;  // the module's name field
    }
}

std::vector<std::int16_t> Tone(double hz, double seconds, double level) {
  Buffer b = MakeBuffer(seconds);
  tOsc o;
  for (double& v : b) v = level * o.Sine(hz);
  return ToPcm16(b);
}

TEST(MusicTest, MixFiguresTellLevelsDropOutsAndWhereTheEnergyLies) {
  const auto low = Tone(80.0, 3.0, 0.5);
  const tMixStats lowStats = Analyse(low, SampleRate, 0, low.size());
  EXPECT_NEAR(lowStats.RmsDb, -9.03, 0.1);  // a sine at half scale
  EXPECT_NEAR(lowStats.PeakDb, -6.02, 0.1);
  // The bands are split gently, so a tone leaks into its neighbours but stays mostly in
  // its own band.
  EXPECT_GT(lowStats.Low, 0.6);
  const auto high = Tone(8000.0, 3.0, 0.5);
  EXPECT_GT(Analyse(high, SampleRate, 0, high.size()).High, 0.6);
  const auto mid = Tone(800.0, 3.0, 0.5);
  EXPECT_GT(Analyse(mid, SampleRate, 0, mid.size()).Mid, 0.6);

  // A second and a half of silence in the middle shows as the quietest second.
  auto gap = Tone(440.0, 5.0, 0.5);
  std::fill(gap.begin() + SampleRate * 2, gap.begin() + SampleRate * 7 / 2, 0);
  const tMixStats gapStats = Analyse(gap, SampleRate, 0, gap.size());
  EXPECT_LT(gapStats.QuietestSecondDb, -100.0);
  EXPECT_NEAR(gapStats.LoudestSecondDb, -9.03, 0.1);
  EXPECT_EQ(RmsDb(gap, SampleRate * 2, SampleRate * 3), -999.0);
  EXPECT_EQ(RmsDb(gap, 10, 10), -999.0);
  EXPECT_EQ(Analyse(gap, SampleRate, 20, 10).RmsDb, -999.0);
}

}  // namespace
}  // namespace soundgen

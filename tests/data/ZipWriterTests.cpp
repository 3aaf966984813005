#include <gtest/gtest.h>

#include "data/MemoryStream.h"
#include "data/ZipFiles.h"
#include "data/ZipTestSupport.h"
#include "data/ZipWriter.h"

namespace qn2 {
namespace {

using namespace qn2::test;

std::uint32_t LongAt(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
         (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

tBytes WriteSample() {
  tMemoryStream out;
  tZipWriter writer(out);
  writer.Add("Levels/One.map", Bytes(DeflateSampleText));
  writer.Add("Wav/Noise.wav", NoiseBytes(5000));
  writer.Add("empty.txt", {});
  writer.Add("forced-stored.txt", Bytes(DeflateSampleText), tZipWriter::tMethod::Stored);
  writer.Add("forced-deflated.bin", NoiseBytes(100), tZipWriter::tMethod::Deflated);
  writer.Finish();
  return tBytes(out.Data().begin(), out.Data().end());
}

TEST(ZipWriter, ArchivesReadBackThroughTheGamesReader) {
  tScratchFolder scratch;
  const tBytes bytes = WriteSample();
  WriteFile(scratch / "sample.zip", bytes);
  tZipFile zip((scratch / "sample.zip").string());

  struct tExpected {
    const char* Name;
    tBytes Data;
    std::uint16_t Method;
  };
  const std::vector<tExpected> expected = {
      {"Levels/One.map", Bytes(DeflateSampleText), 8},
      {"Wav/Noise.wav", NoiseBytes(5000), 0},  // deflating would not make it smaller
      {"empty.txt", {}, 0},
      {"forced-stored.txt", Bytes(DeflateSampleText), 0},
      {"forced-deflated.bin", NoiseBytes(100), 8},
  };
  ASSERT_EQ(expected.size(), zip.Entries.Count());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const tZippedFile& entry = *zip.Entries[i];
    SCOPED_TRACE(entry.Name);
    EXPECT_EQ(expected[i].Name, entry.Name);
    EXPECT_EQ(expected[i].Method, entry.CompressionMethod());
    EXPECT_EQ(expected[i].Data.size(), entry.UncompressedSize());
    if (entry.CompressionMethod() == 0) {
      EXPECT_EQ(entry.UncompressedSize(), entry.CompressedSize());
    }
    EXPECT_EQ(tZipWriter::FixedTime, entry.ModificationTime());
    EXPECT_EQ(tZipWriter::FixedDate, entry.ModificationDate());
    // What other zip tools rely on and the game's reader skips: the central directory
    // signature and the local header of each entry.
    EXPECT_EQ(0x04034B50u, LongAt(bytes, entry.LocalHeaderOffset()));
    EXPECT_EQ(0x02014B50u, LongAt(entry.Header, 0));
    tZippedStream stream(entry);
    EXPECT_EQ(Text(expected[i].Data), ReadRest(stream));
  }
  EXPECT_LT(zip.Entries[0]->CompressedSize(), zip.Entries[0]->UncompressedSize());
  EXPECT_EQ(DeflateSampleCrc, zip.Entries[0]->Crc32());
  EXPECT_EQ(DeflateSampleCrc, zip.Entries[3]->Crc32());
  EXPECT_EQ(0u, zip.Entries[2]->Crc32());
}

TEST(ZipWriter, SameFilesGiveTheSameBytes) {
  EXPECT_EQ(WriteSample(), WriteSample());
}

TEST(ZipWriter, RefusesWhatTheFormatCannotHold) {
  tMemoryStream out;
  tZipWriter writer(out);
  EXPECT_THROW(writer.Add("", Bytes("x")), EZipError);
  EXPECT_THROW(writer.Add(std::string(70000, 'a'), Bytes("x")), EZipError);
  writer.Finish();
  EXPECT_THROW(writer.Add("late", Bytes("x")), EZipError);
  EXPECT_THROW(writer.Finish(), EZipError);
}

}  // namespace
}  // namespace qn2

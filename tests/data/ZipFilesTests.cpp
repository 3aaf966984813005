#include <functional>

#include <gtest/gtest.h>

#include "data/VoskZlib.h"
#include "data/ZipFiles.h"
#include "data/ZipTestSupport.h"

namespace qn2 {
namespace {

using namespace qn2::test;

class ZipFilesTest : public ::testing::Test {
 protected:
  std::string Archive(const std::vector<tRawEntry>& entries, std::string_view comment = "") {
    return Archive(BuildRawZip(entries, comment));
  }
  std::string Archive(const tBytes& bytes) {
    const fs::path path = Scratch / ("archive" + std::to_string(++Count) + ".zip");
    WriteFile(path, bytes);
    return path.string();
  }
  static std::string Contents(const tZippedFile& entry) {
    tZippedStream stream(entry);
    return ReadRest(stream);
  }

  tScratchFolder Scratch;
  int Count = 0;
};

template <class E>
void ExpectRaises(const std::function<void()>& action, const std::string& message) {
  try {
    action();
    ADD_FAILURE() << "nothing raised, expected \"" << message << "\"";
  } catch (const E& e) {
    EXPECT_EQ(message, e.what());
  }
}

TEST_F(ZipFilesTest, ReadsDirectoryFieldsSkippingExtraFieldsAndOpensBothMethods) {
  tRawEntry stored = StoredEntry("Levels/One.map", "stored bytes");
  stored.Extra = "UT\x05\x00xxxxx";
  stored.Comment = "first comment";
  tRawEntry deflated = DeflatedSampleEntry("MenuGFX/Title.txt");
  deflated.Extra = "12345678";
  deflated.LocalExtra = "a different local extra field";
  tZipFile zip(Archive({stored, deflated, StoredEntry("empty", "")}));

  ASSERT_EQ(3u, zip.Entries.Count());
  const tZippedFile& first = *zip.Entries[0];
  EXPECT_EQ("Levels/One.map", first.Name);
  EXPECT_EQ("first comment", first.Comment);
  EXPECT_EQ(0, first.CompressionMethod());
  EXPECT_EQ(12u, first.UncompressedSize());
  EXPECT_EQ(0u, first.LocalHeaderOffset());
  EXPECT_EQ(0x1234, first.ModificationTime());
  EXPECT_EQ(0x5678, first.ModificationDate());
  EXPECT_EQ(&zip, first.Owner);
  const tZippedFile& second = *zip.Entries[1];
  EXPECT_EQ("MenuGFX/Title.txt", second.Name);
  EXPECT_EQ("", second.Comment);
  EXPECT_EQ(8, second.CompressionMethod());
  EXPECT_EQ(DeflateSampleData.size(), second.CompressedSize());
  EXPECT_EQ(DeflateSampleText.size(), second.UncompressedSize());
  EXPECT_EQ("empty", zip.Entries[2]->Name);

  EXPECT_EQ("stored bytes", Contents(first));
  EXPECT_EQ(DeflateSampleText, Contents(second));
  EXPECT_EQ("", Contents(*zip.Entries[2]));
  // Opening again works the same: the archive is reopened each time.
  EXPECT_EQ(DeflateSampleText, Contents(second));
}

TEST_F(ZipFilesTest, ZippedStreamSizeAndSeeking) {
  tRawEntry stored = StoredEntry("stored", DeflateSampleText);
  // The directory's uncompressed size, not the stored bytes, is the stream's size.
  stored.UncompressedSize = 10;
  tZipFile zip(Archive({stored, DeflatedSampleEntry("deflated")}));

  tZippedStream plain(*zip.Entries[0]);
  EXPECT_EQ(10, plain.Size());
  plain.Seek(8, tSeekOrigin::Beginning);
  plain.Seek(-2, tSeekOrigin::Current);
  char c[2];
  plain.ReadBuffer(c, 2);
  EXPECT_EQ("\r\n", std::string(c, 2));

  tZippedStream inflated(*zip.Entries[1]);
  EXPECT_EQ(static_cast<std::int64_t>(DeflateSampleText.size()), inflated.Size());
  EXPECT_EQ(8, inflated.Seek(8, tSeekOrigin::Beginning));
  inflated.ReadBuffer(c, 2);
  EXPECT_EQ("Na", std::string(c, 2));
  EXPECT_THROW(inflated.Seek(0, tSeekOrigin::End), EVoskDecompressionError);
}

TEST_F(ZipFilesTest, RejectsFilesThatAreNotZipArchives) {
  const std::string valid = Archive({StoredEntry("a", "b")});
  const std::vector<std::string> archives = {
      Archive(Bytes("")),
      Archive(Bytes("PK\x05\x06 short")),
      Archive(NoiseBytes(300)),
      Archive({StoredEntry("a", "b")}, "an archive comment"),
  };
  for (const std::string& name : archives) {
    SCOPED_TRACE(name);
    ExpectRaises<ENotZipFile>([&] { tZipFile zip(name); }, "File is not Zip file.");
  }
  EXPECT_NO_THROW(tZipFile zip(valid));
  EXPECT_THROW(tZipFile zip((Scratch / "absent.zip").string()), EFileError);
}

TEST_F(ZipFilesTest, DamagedLocalHeaderIsReportedWhenTheEntryIsOpened) {
  tRawEntry bad = StoredEntry("bad", "data");
  bad.LocalSignature = 0x04034B51;
  tZipFile zip(Archive({StoredEntry("good", "fine"), bad}));
  EXPECT_EQ("fine", Contents(*zip.Entries[0]));
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[1]); },
                          "LocalFile Signature not found");
}

TEST_F(ZipFilesTest, CorruptDeflateDataRaisesTheInflaterError) {
  tRawEntry corrupt = DeflatedSampleEntry("corrupt");
  corrupt.Data = {0xFF, 0xFF, 0xFF, 0xFF};  // final block of the reserved type 3
  tRawEntry damaged = DeflatedSampleEntry("damaged");
  damaged.Data[10] ^= 0x55;  // some bits flipped in the middle of the stream
  tZipFile zip(Archive({corrupt, damaged}));
  ExpectRaises<EVoskDecompressionError>([&] { Contents(*zip.Entries[0]); }, "error");
  // The damaged stream may still decode, but never to the original text.
  try {
    EXPECT_NE(DeflateSampleText, Contents(*zip.Entries[1]));
  } catch (const EVoskDecompressionError& e) {
    EXPECT_STREQ("error", e.what());
  }
}

TEST_F(ZipFilesTest, TruncatedOrHostileArchivesRaiseInsteadOfReadingWildly) {
  tBytes bytes = BuildRawZip({StoredEntry("one", "1"), StoredEntry("two", "2")});
  // The directory claims 40 entries but holds 2.
  tBytes tooManyEntries = bytes;
  tooManyEntries[tooManyEntries.size() - 22 + 8] = 40;
  ExpectRaises<EZipError>([&] { tZipFile zip(Archive(tooManyEntries)); },
                          "The zip directory lies outside the file");
  // The directory offset points past the end of the file.
  tBytes farDirectory = bytes;
  farDirectory[farDirectory.size() - 22 + 19] = 0x7F;
  ExpectRaises<EZipError>([&] { tZipFile zip(Archive(farDirectory)); },
                          "The zip directory lies outside the file");

  // Entries claiming more than any game file holds, or whose data or header lie outside
  // the file, are refused by name before anything is read or allocated for them.
  tRawEntry longer = StoredEntry("longer", "short");
  longer.CompressedSizeOverride = 0x7FFFFFF0;
  tRawEntry bomb = DeflatedSampleEntry("bomb");
  bomb.UncompressedSize = (256u << 20) + 1;
  tRawEntry overlong = StoredEntry("overlong.map", "data");
  overlong.CompressedSizeOverride = 1 << 20;
  tRawEntry moved = StoredEntry("moved.map", "data");
  tBytes hostile = BuildRawZip({longer, bomb, overlong, moved, StoredEntry("fine.map", "fine")});
  // The fourth directory record's local header offset points far past the end.
  std::size_t record = 0;
  for (int seen = 0; seen < 4; ++record)
    if (hostile[record] == 'P' && hostile[record + 1] == 'K' && hostile[record + 2] == 1 &&
        hostile[record + 3] == 2)
      ++seen;
  for (int i = 0; i < 4; ++i) hostile[record - 1 + 42 + i] = 0x7F;
  tZipFile zip(Archive(hostile));
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[0]); },
                          "Zip entry \"longer\" claims 2147483632 bytes, more than the 256 MiB "
                          "a game file may hold");
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[1]); },
                          "Zip entry \"bomb\" claims 268435457 bytes, more than the 256 MiB a "
                          "game file may hold");
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[2]); },
                          "Zip entry \"overlong.map\" reaches past the end of the zip file");
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[3]); },
                          "Zip entry \"moved.map\" starts outside the zip file");
  EXPECT_EQ("fine", Contents(*zip.Entries[4]));

  // A deflated entry claiming more than its data inflates to, within the cap, reads what
  // there is.
  tRawEntry generous = DeflatedSampleEntry("generous");
  generous.UncompressedSize = 1u << 20;
  tZipFile withGenerous(Archive({generous}));
  tZippedStream inflated(*withGenerous.Entries[0]);
  EXPECT_EQ(DeflateSampleText, ReadRest(inflated));
}

TEST_F(ZipFilesTest, UnknownCompressionMethodsAreRejectedByName) {
  tRawEntry bzip = StoredEntry("bzip", "BZh91AY&SY");
  bzip.Method = 12;
  tZipFile zip(Archive({bzip}));
  ExpectRaises<EZipError>([&] { tZippedStream s(*zip.Entries[0]); },
                          "Compression method 12 not supported");
}

TEST_F(ZipFilesTest, FindEntryIgnoresAsciiCaseAndReadsBackslashAsSlash) {
  tZipFile zip(Archive({StoredEntry("Levels/One.map", "1"), StoredEntry("LEVELS/ONE.MAP", "2"),
                        StoredEntry("Samples/Boom.Wav", "3"), StoredEntry("\xC4pfel.txt", "4")}));
  EXPECT_EQ(zip.Entries[0], FindEntry(zip, "levels\\one.MAP"));  // first in directory order
  EXPECT_EQ(zip.Entries[2], FindEntry(zip, "SAMPLES/boom.wav"));
  EXPECT_EQ(zip.Entries[2], FindEntry(zip, "samples\\BOOM.WAV"));
  EXPECT_EQ(zip.Entries[3], FindEntry(zip, "\xC4PFEL.TXT"));
  EXPECT_EQ(nullptr, FindEntry(zip, "\xE4pfel.txt"));  // only ASCII letters fold
  EXPECT_EQ(nullptr, FindEntry(zip, "Boom.Wav"));
  EXPECT_EQ(nullptr, FindEntry(zip, "Samples/Boom.Wa"));
  EXPECT_EQ(nullptr, FindEntry(zip, "Samples/Boom.Wav "));
  EXPECT_EQ(nullptr, FindEntry(zip, ""));
}

}  // namespace
}  // namespace qn2

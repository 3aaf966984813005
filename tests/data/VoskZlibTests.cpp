#include <gtest/gtest.h>

#include "data/MemoryStream.h"
#include "data/VoskZlib.h"
#include "data/ZipTestSupport.h"
#include "data/ZipWriter.h"

namespace qn2 {
namespace {

using namespace qn2::test;

std::string ReadCount(tStream& stream, std::size_t count) {
  std::string text(count, '\0');
  text.resize(stream.Read(text.data(), count));
  return text;
}

void ExpectInvalidOperation(TPKDecompressionStream& stream, std::int64_t offset,
                            tSeekOrigin origin) {
  try {
    stream.Seek(offset, origin);
    ADD_FAILURE() << "seek to " << offset << " did not raise";
  } catch (const EVoskDecompressionError& e) {
    EXPECT_STREQ("Invalid stream operation", e.what());
  }
}

TEST(DecompressionStream, ReadsInPiecesUntilTheDataEnds) {
  tMemoryStream source(DeflateSampleData);
  TPKDecompressionStream inflater(source);
  std::string text;
  for (std::string piece; !(piece = ReadCount(inflater, 7)).empty();) {
    EXPECT_LE(piece.size(), 7u);
    text += piece;
  }
  EXPECT_EQ(DeflateSampleText, text);
  EXPECT_EQ(static_cast<std::int64_t>(text.size()), inflater.Position());
  EXPECT_EQ(0u, inflater.Read(text.data(), 1));
}

TEST(DecompressionStream, LargeDataComesThroughAndReportsProgressPerInputBlock) {
  const std::string text = WordText(100000);
  const tBytes deflated = DeflateRaw(Bytes(text));
  ASSERT_GT(deflated.size(), 3 * TVoskCustomZlibStream::InputBufferSize);
  tMemoryStream source(deflated);
  TPKDecompressionStream inflater(source);
  int calls = 0;
  inflater.OnProgress = [&](TVoskCustomZlibStream& sender) {
    EXPECT_EQ(&inflater, &sender);
    ++calls;
  };
  std::string out(text.size() + 100, '\0');
  EXPECT_EQ(text.size(), inflater.Read(out.data(), out.size()));
  out.resize(text.size());
  EXPECT_EQ(text, out);
  const auto blocks = (deflated.size() + TVoskCustomZlibStream::InputBufferSize - 1) /
                      TVoskCustomZlibStream::InputBufferSize;
  EXPECT_EQ(static_cast<int>(blocks), calls);
}

TEST(DecompressionStream, SeeksOnlyForwardOrBackToTheStart) {
  const std::string& text = DeflateSampleText;
  tMemoryStream source(DeflateSampleData);
  TPKDecompressionStream inflater(source);
  EXPECT_EQ(0, inflater.Seek(0, tSeekOrigin::Beginning));
  EXPECT_EQ(text.substr(0, 10), ReadCount(inflater, 10));
  EXPECT_EQ(15, inflater.Seek(5, tSeekOrigin::Current));
  EXPECT_EQ(text.substr(15, 5), ReadCount(inflater, 5));
  EXPECT_EQ(20, inflater.Seek(0, tSeekOrigin::Current));
  EXPECT_EQ(60, inflater.Seek(60, tSeekOrigin::Beginning));
  EXPECT_EQ(text.substr(60, 4), ReadCount(inflater, 4));

  ExpectInvalidOperation(inflater, 64, tSeekOrigin::Beginning);  // where it already is
  ExpectInvalidOperation(inflater, 10, tSeekOrigin::Beginning);
  ExpectInvalidOperation(inflater, -1, tSeekOrigin::Current);
  ExpectInvalidOperation(inflater, 0, tSeekOrigin::End);
  EXPECT_THROW(inflater.Size(), EVoskDecompressionError);
  EXPECT_EQ(64, inflater.Position());

  EXPECT_EQ(0, inflater.Seek(0, tSeekOrigin::Beginning));
  EXPECT_EQ(text, ReadRest(inflater));
  // Past the end, the skipping stops where the data does.
  EXPECT_EQ(0, inflater.Seek(0, tSeekOrigin::Beginning));
  EXPECT_EQ(static_cast<std::int64_t>(text.size()), inflater.Seek(100000, tSeekOrigin::Current));
}

TEST(DecompressionStream, SeekingFarForwardSkipsManyBlocks) {
  const std::string text = WordText(5000);
  tMemoryStream source(DeflateRaw(Bytes(text)));
  TPKDecompressionStream inflater(source);
  EXPECT_EQ(10001, inflater.Seek(10001, tSeekOrigin::Beginning));
  EXPECT_EQ(text.substr(10001, 50), ReadCount(inflater, 50));
}

TEST(DecompressionStream, ReadsFromWhereTheSourceStoodAndRestoresItIfMoved) {
  tBytes framed = Bytes("header");
  framed.insert(framed.end(), DeflateSampleData.begin(), DeflateSampleData.end());
  tMemoryStream source(framed);
  source.Seek(6, tSeekOrigin::Beginning);
  TPKDecompressionStream inflater(source);
  EXPECT_EQ(DeflateSampleText.substr(0, 8), ReadCount(inflater, 8));
  source.Seek(0, tSeekOrigin::Beginning);  // someone else used the source meanwhile
  EXPECT_EQ(DeflateSampleText.substr(8), ReadRest(inflater));
  // Starting again goes back to where the deflate data began, not to the header.
  EXPECT_EQ(0, inflater.Seek(0, tSeekOrigin::Beginning));
  EXPECT_EQ(DeflateSampleText, ReadRest(inflater));
}

TEST(DecompressionStream, StopsAtTheEndOfTheDeflateDataEvenWithBytesAfterIt) {
  tBytes padded = DeflateSampleData;
  padded.resize(padded.size() + 20000, 0xAB);
  tMemoryStream source(padded);
  TPKDecompressionStream inflater(source);
  std::string out(DeflateSampleText.size() * 2, '\0');
  EXPECT_EQ(DeflateSampleText.size(), inflater.Read(out.data(), out.size()));
  EXPECT_EQ(0u, inflater.Read(out.data(), out.size()));
}

TEST(DecompressionStream, TruncatedDataEndsShortAndWritingIsRefused) {
  tMemoryStream source(tBytes(DeflateSampleData.begin(), DeflateSampleData.begin() + 12));
  TPKDecompressionStream inflater(source);
  const std::string start = ReadRest(inflater);
  EXPECT_LT(start.size(), DeflateSampleText.size());
  EXPECT_EQ(DeflateSampleText.substr(0, start.size()), start);
  try {
    inflater.Write("x", 1);
    ADD_FAILURE() << "write did not raise";
  } catch (const EVoskDecompressionError& e) {
    EXPECT_STREQ("Invalid stream operation", e.what());
  }
}

TEST(DecompressionStream, DamagedDataRaisesError) {
  // A stored block whose length check does not match its length.
  tMemoryStream source(tBytes{0x01, 0x05, 0x00, 0x00, 0x00, 'a', 'b'});
  TPKDecompressionStream inflater(source);
  char buffer[16];
  try {
    inflater.Read(buffer, sizeof buffer);
    ADD_FAILURE() << "damaged data did not raise";
  } catch (const EVoskZlibError& e) {
    EXPECT_NE(nullptr, dynamic_cast<const EVoskDecompressionError*>(&e));
    EXPECT_STREQ("error", e.what());
  }
}

}  // namespace
}  // namespace qn2

#include "data/ZipWriter.h"

#include <algorithm>
#include <climits>
#include <limits>

#include <zlib.h>

#include "data/VoskZlib.h"
#include "data/ZipFiles.h"

namespace qn2 {

namespace {

constexpr std::uint64_t MaxZipOffset = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint16_t VersionStored = 10;
constexpr std::uint16_t VersionDeflated = 20;
constexpr std::uint16_t FlagMaximumCompression = 1 << 1;
constexpr std::uint16_t FlagUtf8Name = 1 << 11;

class tBytes {
 public:
  void Word(std::uint16_t v) {
    Bytes.push_back(static_cast<std::uint8_t>(v));
    Bytes.push_back(static_cast<std::uint8_t>(v >> 8));
  }
  void Long(std::uint32_t v) {
    Word(static_cast<std::uint16_t>(v));
    Word(static_cast<std::uint16_t>(v >> 16));
  }
  void Text(const std::string& s) { Bytes.insert(Bytes.end(), s.begin(), s.end()); }
  std::vector<std::uint8_t> Bytes;
};

int CCheck(int code) {
  if (code < 0) throw EVoskCompressionError("error");
  return code;
}

}  // namespace

std::vector<std::uint8_t> DeflateRaw(std::span<const std::uint8_t> data) {
  z_stream z{};
  CCheck(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY));
  std::vector<std::uint8_t> out(deflateBound(&z, static_cast<uLong>(data.size())));
  z.next_in = const_cast<Bytef*>(data.data());
  z.next_out = out.data();
  std::size_t inLeft = data.size();
  std::size_t outLeft = out.size();
  int code = Z_OK;
  while (code != Z_STREAM_END) {
    const auto inChunk = static_cast<uInt>(std::min<std::size_t>(inLeft, UINT_MAX));
    const auto outChunk = static_cast<uInt>(std::min<std::size_t>(outLeft, UINT_MAX));
    z.avail_in = inChunk;
    z.avail_out = outChunk;
    code = deflate(&z, inLeft == inChunk ? Z_FINISH : Z_NO_FLUSH);
    inLeft -= inChunk - z.avail_in;
    outLeft -= outChunk - z.avail_out;
    if (code < 0 || (code == Z_OK && outLeft == 0)) {
      deflateEnd(&z);
      throw EVoskCompressionError("error");
    }
  }
  out.resize(out.size() - outLeft);
  deflateEnd(&z);
  return out;
}

std::uint32_t tZipWriter::OffsetNow() const {
  if (Written > MaxZipOffset) throw EZipError("Archive too large for a zip file");
  return static_cast<std::uint32_t>(Written);
}

void tZipWriter::Add(const std::string& name, std::span<const std::uint8_t> data, tMethod method) {
  if (Finished) throw EZipError("Zip archive already finished");
  if (Entries.size() >= 0xFFFF) throw EZipError("Too many entries for a zip file");
  if (name.empty() || name.size() > 0xFFFF) throw EZipError("Bad entry name '" + name + "'");
  if (data.size() > MaxZipOffset) throw EZipError("File too large for a zip file: " + name);

  std::vector<std::uint8_t> deflated;
  std::span<const std::uint8_t> body = data;
  std::uint16_t zipMethod = 0;
  if (method != tMethod::Stored) {
    deflated = DeflateRaw(data);
    if (method == tMethod::Deflated || deflated.size() < data.size()) {
      body = deflated;
      zipMethod = 8;
    }
  }

  tEntry entry;
  entry.Name = name;
  entry.Method = zipMethod;
  entry.Flags = std::any_of(name.begin(), name.end(),
                            [](char c) { return static_cast<unsigned char>(c) > 127; })
                    ? FlagUtf8Name
                    : 0;
  if (zipMethod == 8) entry.Flags |= FlagMaximumCompression;
  entry.Crc = static_cast<std::uint32_t>(crc32_z(crc32(0, nullptr, 0), data.data(), data.size()));
  entry.CompressedSize = static_cast<std::uint32_t>(body.size());
  entry.UncompressedSize = static_cast<std::uint32_t>(data.size());
  entry.Offset = OffsetNow();

  tBytes local;
  local.Long(0x04034B50);
  local.Word(zipMethod == 8 ? VersionDeflated : VersionStored);
  local.Word(entry.Flags);
  local.Word(entry.Method);
  local.Word(FixedTime);
  local.Word(FixedDate);
  local.Long(entry.Crc);
  local.Long(entry.CompressedSize);
  local.Long(entry.UncompressedSize);
  local.Word(static_cast<std::uint16_t>(name.size()));
  local.Word(0);  // extra field
  local.Text(name);
  Out.WriteBuffer(local.Bytes.data(), local.Bytes.size());
  Out.WriteBuffer(body.data(), body.size());
  Written += local.Bytes.size() + body.size();
  Entries.push_back(std::move(entry));
}

void tZipWriter::Finish() {
  if (Finished) throw EZipError("Zip archive already finished");
  Finished = true;
  const std::uint32_t directoryOffset = OffsetNow();
  tBytes directory;
  for (const tEntry& e : Entries) {
    const std::uint16_t version = e.Method == 8 ? VersionDeflated : VersionStored;
    directory.Long(0x02014B50);
    directory.Word(version);  // made by: MS-DOS attributes
    directory.Word(version);
    directory.Word(e.Flags);
    directory.Word(e.Method);
    directory.Word(FixedTime);
    directory.Word(FixedDate);
    directory.Long(e.Crc);
    directory.Long(e.CompressedSize);
    directory.Long(e.UncompressedSize);
    directory.Word(static_cast<std::uint16_t>(e.Name.size()));
    directory.Word(0);  // extra field
    directory.Word(0);  // comment
    directory.Word(0);  // disk number
    directory.Word(0);  // internal attributes
    directory.Long(0);  // external attributes
    directory.Long(e.Offset);
    directory.Text(e.Name);
  }
  if (Written + directory.Bytes.size() > MaxZipOffset)
    throw EZipError("Archive too large for a zip file");
  const auto count = static_cast<std::uint16_t>(Entries.size());
  tBytes end;
  end.Long(0x06054B50);
  end.Word(0);
  end.Word(0);
  end.Word(count);
  end.Word(count);
  end.Long(static_cast<std::uint32_t>(directory.Bytes.size()));
  end.Long(directoryOffset);
  end.Word(0);  // no archive comment
  Out.WriteBuffer(directory.Bytes.data(), directory.Bytes.size());
  Out.WriteBuffer(end.Bytes.data(), end.Bytes.size());
  Written += directory.Bytes.size() + end.Bytes.size();
}

}  // namespace qn2

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace qn2 {

// The game names its files the Windows way: "\" between folders and any letter case
// ("Samples\Boom.Wav" for "samples/boom.wav"). These helpers turn such a name into a
// path on this disk.

// The name with every "\" turned into "/".
std::string ToDiskSeparators(std::string_view name);

// Finds an existing regular file, matching each folder and file name without regard to
// ASCII letter case. Where several names fit (possible on a case-sensitive disk), the
// exact spelling is tried first, then the others in byte order. Empty when none fits.
std::optional<std::filesystem::path> FindDiskFile(std::string_view name);

// True if FindDiskFile finds the name.
bool DiskFileExists(std::string_view name);

// The path to create or overwrite for the name: leading folders (and the file itself)
// that exist in some letter case are used in that spelling, the exact one first; from
// the first part that does not exist on, the parts are used as given.
std::filesystem::path DiskPathForWriting(std::string_view name);

// Replaces a file with the bytes, creating missing folders on the way. The bytes go to a
// temporary file beside it first (see DiskWrite.h), so a failed write never leaves a
// half-written file. Raises EFileError "Cannot create file "NAME": REASON" or "Cannot write
// file "NAME": REASON" when the file cannot be written; the old file then stays as it was.
void WriteDiskFile(const std::string& fileName, std::string_view bytes);

}  // namespace qn2

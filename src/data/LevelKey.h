#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qn2 {

// A level's key: a 64-bit hash of its file's bytes. What the player keeps of a level (the
// best run) is filed under it, so a level whose file was edited starts afresh, and the same
// level under another name finds what it had.

// The 64-bit FNV-1a hash of the bytes.
std::uint64_t LevelContentKey(std::span<const std::uint8_t> bytes);

// The key of the level file as the game finds it, on disk or in a package. Raises
// EFileMissing when it is nowhere.
std::uint64_t LevelFileKey(const std::string& levelFileName);

// The key as sixteen lower-case hexadecimal digits, as file names show it.
std::string KeyText(std::uint64_t key);

// The key of one to sixteen hexadecimal digits (either case); none for anything else.
std::optional<std::uint64_t> ParseKeyText(std::string_view text);

}  // namespace qn2

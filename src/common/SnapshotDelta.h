#pragma once

#include <cstdint>
#include <vector>

namespace qn2 {

// A snapshot kept as its difference from a reference snapshot of the same level. From one
// moment of play to another most units stand as they stood, so the two differ in a few
// places: the difference is stored as runs of equal bytes skipped and runs of changed
// bytes (exclusive-or with the reference), each count a variable-length number.
// A search keeps millions of moments of play this way in a small part of the memory that
// whole snapshots would take.
std::vector<std::uint8_t> EncodeDelta(const std::vector<std::uint8_t>& reference,
                                      const std::vector<std::uint8_t>& bytes);

// Rebuilds the snapshot into `bytes`. Raises Exception on a difference that does not
// decode (one not made by EncodeDelta against this reference).
void DecodeDelta(const std::vector<std::uint8_t>& reference, const std::vector<std::uint8_t>& delta,
                 std::vector<std::uint8_t>& bytes);

}  // namespace qn2

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace quindle {

// Reads itemCount items of itemSize bytes. False when the stream is already at
// its end (nothing is read then) or fewer whole items arrive.
bool ReadChecked(void* destination, std::size_t itemSize, std::size_t itemCount,
                 std::FILE* stream);

// Reads and discards up to byteCount bytes in bounded pieces, stopping at the
// end of the stream; returns whether all of them were there.
bool SkipBytes(std::FILE* stream, std::uint64_t byteCount);

}  // namespace quindle

#pragma once

#include "io/BinaryFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plorik {

// Bytes that stand in for the executable's own at an offset: a backup image's block read into memory.
struct LaidBytes {
    std::int64_t offset = 0;
    std::string bytes;
};

// Copies what `laid` holds of the file region at `offset` over `bytes` (the region as the file holds
// it). Bytes past the region's end are not added: the view never reaches past the file's end.
void layOver(const std::vector<LaidBytes>& laid, std::int64_t offset, std::vector<std::uint8_t>& bytes);

// What a display reads of the executable: the file itself, or the file with other bytes laid over it
// in memory. Nothing is ever written through a view.
class ExecutableView {
public:
    explicit ExecutableView(const BinaryFile& file, const std::vector<LaidBytes>* laid = nullptr)
        : m_file(file), m_laid(laid)
    {
    }

    std::int64_t size() const { return m_file.size(); }
    // As BinaryFile's reads, with the laid bytes in place of the file's.
    std::vector<std::uint8_t> readAt(std::int64_t offset, std::size_t count) const;
    std::vector<std::uint8_t> readExactlyAt(std::int64_t offset, std::size_t count) const;

private:
    const BinaryFile& m_file;
    const std::vector<LaidBytes>* m_laid;
};

} // namespace plorik

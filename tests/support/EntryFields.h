#pragma once

#include "GameBuilder.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace plorik::testing {

// The fields of one slot's craft entry as the builder wrote it, found at the positions of the
// builder's version entry: what the display should show before any conversion.
class EntryFields {
public:
    EntryFields(const GameBuilder& builder, std::int32_t slot);

    std::int64_t position(const std::string& key, std::int64_t offset = 0) const;
    std::uint32_t byte(const std::string& key, std::int64_t offset = 0) const;
    std::uint32_t word(const std::string& key, std::int64_t offset = 0) const;
    std::int32_t signedWord(const std::string& key, std::int64_t offset = 0) const;
    std::uint32_t longWord(const std::string& key, std::int64_t offset = 0) const;
    std::string text(const std::string& key) const; // up to the first 0 byte
    std::uint32_t byteAt(std::int64_t position) const;
    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }

private:
    const GameBuilder& m_builder;
    std::vector<std::uint8_t> m_bytes;
};

// `count` bytes of a file from `offset` on.
std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path, std::int64_t offset, std::size_t count);

// The lines of a text file without their CR LF.
std::vector<std::string> fileLines(const std::string& text);

} // namespace plorik::testing

#pragma once

#include "backup/BackupImage.h"
#include "io/BinaryFile.h"

#include <cstdint>
#include <string>

namespace plorik {

// How messages name a block: "the craft table".
std::string blockDescription(ImageBlockKind kind);

// Exactly `length` bytes of the executable from `offset`; throws FileError naming `what` when the
// region does not lie inside the file.
std::string readRegion(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what);

// Throws PlorikError naming `what` when `length` bytes at `offset` would not lie inside the file:
// the executable is patched in place and never grows.
void checkInside(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what);

} // namespace plorik

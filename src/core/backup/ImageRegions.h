#pragma once

#include "backup/BackupImage.h"
#include "common/Errors.h"
#include "io/BinaryFile.h"
#include "io/FileHandle.h"

#include <cstdint>
#include <optional>
#include <string>

namespace plorik {

// A refusal of an image that cannot be used as it is (a block file of another size): an error box
// "PLORIK error:" says it, and nothing is written.
class ImageRefusal : public PlorikError {
public:
    using PlorikError::PlorikError;
};

// How messages name a block: "the craft table".
std::string blockDescription(ImageBlockKind kind);

// Exactly `length` bytes of the executable from `offset`; throws FileError naming `what` when the
// region does not lie inside the file.
std::string readRegion(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what);

// Throws PlorikError naming `what` when `length` bytes at `offset` would not lie inside the file:
// the executable is patched in place and never grows.
void checkInside(const BinaryFile& exe, std::int64_t offset, std::int64_t length, const std::string& what);

// The image's file of `block`, open for reading, once its size is exactly what a backup writes;
// nullopt when the image has no file of that name. A file of another size is refused with an
// ImageRefusal that names it and its size before a byte of it is read.
std::optional<FileHandle> openImageBlock(const BackupImage& image, const ImageBlock& block);

// The whole file of `block`, checked as openImageBlock does; a missing file is a FileError.
std::string readImageBlock(const BackupImage& image, const ImageBlock& block);

} // namespace plorik

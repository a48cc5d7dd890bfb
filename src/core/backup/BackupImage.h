#pragma once

#include "profile/VersionProfile.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace plorik {

// The blocks of the executable that the image keeps, in the order they are taken.
enum class ImageBlockKind { CraftTable, ShipTypeBlock, WeaponBlock, SpeciesTable };

// One block: its file in the image is the name and the block's offset in decimal, "shipstats4096.bin".
struct ImageBlock {
    ImageBlockKind kind;
    std::string name; // "shipstats", "shiptypeblock", "Weaponstats", "specno"
    std::int64_t offset = 0;
    std::string fileName() const { return name + std::to_string(offset) + ".bin"; }
};

// A game text or list file of which the image keeps a copy.
struct ImageTextFile {
    std::string gameName;  // as the game names it: "FlightModels\Equipment0.lst"
    std::string imageName; // in the image folder: "Equipment0.lst"
    bool alwaysTaken;      // specdesc.txt, strings.txt and fronttxt.txt; the family's lists are not
};

// The backup image of one game version: the folder PLORIKbackup\VERSION\ in the program folder,
// with a copy of every block and file the editor may change.
class BackupImage {
public:
    // Why a version name cannot name the image folder (it would not lie inside PLORIKbackup), or
    // nullopt when it can.
    static std::optional<std::string> nameRefusal(const std::string& versionName);

    // The version name must have passed nameRefusal; throws PlorikError otherwise. `weaponNames` is
    // the length of the weapon editor's weapon list, which sets the length of the ship type block.
    BackupImage(const std::filesystem::path& programDir, const std::string& versionName, const VersionProfile& profile,
                std::size_t weaponNames);

    const std::filesystem::path& folder() const { return m_folder; }
    // The folder PLORIKbackup that holds the images of all versions.
    const std::filesystem::path& parentFolder() const { return m_parent; }
    // A file of the image; the name is matched without regard to case.
    std::filesystem::path file(const std::string& imageName) const;

    // The text and list files of the game that the image keeps, in the order they are copied.
    std::vector<ImageTextFile> textFiles() const;
    // The blocks whose key the profile gives, in the order they are taken.
    std::vector<ImageBlock> blocks() const;
    std::optional<ImageBlock> block(ImageBlockKind kind) const;
    // How many bytes a backup takes of a block, which is the size of its file in the image. The ship
    // type block is taken with the weapon model records after it, one for each weapon and one more.
    std::int64_t takenLength(ImageBlockKind kind) const;

private:
    const VersionProfile& m_profile;
    std::size_t m_weaponNames;
    std::filesystem::path m_parent;
    std::filesystem::path m_folder;
};

} // namespace plorik

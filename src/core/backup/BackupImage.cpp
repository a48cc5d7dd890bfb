#include "backup/BackupImage.h"

#include "common/Errors.h"
#include "io/GamePath.h"
#include "profile/WeaponBlock.h"

namespace plorik {

namespace {

constexpr const char* kImagesFolder = "PLORIKbackup";

} // namespace

std::optional<std::string> BackupImage::nameRefusal(const std::string& versionName)
{
    std::string why;
    if (versionName.empty())
        why = "it is empty";
    else if (versionName == "." || versionName == "..")
        why = "it is \"" + versionName + "\"";
    else if (versionName.find_first_of("\\/") != std::string::npos)
        why = "it holds a path separator";
    else
        return std::nullopt;
    return "The game version \"" + versionName + "\" cannot name a folder of the backup image: " + why +
           ", so the image would not lie inside \"" + kImagesFolder +
           "\".\r\rCorrect the name of the version entry in "
           "data.txt.";
}

BackupImage::BackupImage(const std::filesystem::path& programDir, const std::string& versionName,
                         const VersionProfile& profile, std::size_t weaponNames)
    : m_profile(profile), m_weaponNames(weaponNames)
{
    if (const auto refusal = nameRefusal(versionName))
        throw PlorikError(*refusal);
    m_parent = resolveGamePath(programDir.string(), kImagesFolder);
    m_folder = resolveGamePath(m_parent.string(), versionName);
}

std::filesystem::path BackupImage::file(const std::string& imageName) const
{
    return resolveGamePath(m_folder.string(), imageName);
}

std::vector<ImageTextFile> BackupImage::textFiles() const
{
    std::vector<ImageTextFile> files{{"specdesc.txt", "specdesc.txt", true}, {"strings.txt", "strings.txt", true}};
    if (m_profile.isXwa()) {
        files.push_back({"shiplist.txt", "shiplist.txt", false});
        files.push_back({"FlightModels\\Equipment0.lst", "Equipment0.lst", false});
        files.push_back({"FlightModels\\Spacecraft0.lst", "Spacecraft0.lst", false});
    } else {
        // "Write" rewrites the long names too; without a copy no restore could undo it.
        files.push_back({"fronttxt.txt", "fronttxt.txt", true});
        for (const char* list : {"spec640.lst", "spec2640.lst", "spec3640.lst"})
            files.push_back({std::string("ivfiles\\") + list, list, false});
    }
    return files;
}

std::vector<ImageBlock> BackupImage::blocks() const
{
    std::vector<ImageBlock> found;
    for (ImageBlockKind kind : {ImageBlockKind::CraftTable, ImageBlockKind::ShipTypeBlock, ImageBlockKind::WeaponBlock,
                                ImageBlockKind::SpeciesTable}) {
        if (auto taken = block(kind))
            found.push_back(std::move(*taken));
    }
    return found;
}

std::optional<ImageBlock> BackupImage::block(ImageBlockKind kind) const
{
    const auto start = [this](Key key) { return std::int64_t{m_profile.held(key)}; };
    switch (kind) {
    case ImageBlockKind::CraftTable: return ImageBlock{kind, "shipstats", start(Key::CraftOffset)};
    case ImageBlockKind::ShipTypeBlock:
        if (m_profile.absent(Key::ShipTypeStart))
            return std::nullopt;
        return ImageBlock{kind, "shiptypeblock", start(Key::ShipTypeStart) - 3};
    case ImageBlockKind::WeaponBlock:
        if (m_profile.absent(Key::WeaponOffset))
            return std::nullopt;
        return ImageBlock{kind, "Weaponstats", start(Key::WeaponOffset)};
    case ImageBlockKind::SpeciesTable:
        if (m_profile.absent(Key::SpecNoOffset))
            return std::nullopt;
        return ImageBlock{kind, "specno", start(Key::SpecNoOffset)};
    }
    return std::nullopt;
}

std::int64_t BackupImage::takenLength(ImageBlockKind kind) const
{
    const std::int64_t slots = m_profile.slotCount();
    switch (kind) {
    case ImageBlockKind::CraftTable: return slots * m_profile.entryLength();
    case ImageBlockKind::ShipTypeBlock:
        return (static_cast<std::int64_t>(m_weaponNames) + 1) * 24 + (slots + 8) * m_profile.held(Key::ShipTypeLen) - 3;
    case ImageBlockKind::WeaponBlock: return kWeaponBlockLength;
    case ImageBlockKind::SpeciesTable: return 2 * slots;
    }
    return 0;
}

} // namespace plorik

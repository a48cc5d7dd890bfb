// An SHP craft file as the load reads it: the file or the message that refuses it, never a crash or
// a hang. A file read whose binary part fits the slot, written again, reads back as the same slot, texts and
// bytes (unless a text holds "[Bin]", which the binary part's search would find first).
#include "exchange/ShipFile.h"

#include <cstdlib>
#include <string_view>

using namespace plorik;

// An XWA craft entry.
constexpr std::int32_t kEntryLength = 400;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ShipFileReading reading =
        readShipFile(std::string_view(reinterpret_cast<const char*>(data), size), kEntryLength);
    if (!reading.file) {
        if (reading.refusal.empty())
            std::abort();
        return 0;
    }
    const ShipFile& ship = *reading.file;
    if (ship.binary.size() > size)
        std::abort();
    if (!ship.binaryRefusal.empty())
        return 0;
    const ShipFileTexts& texts = ship.texts;
    for (const std::string* text :
         {&texts.patchComment, &texts.optFile, &texts.pluralName, &texts.craftName, &texts.craftType,
          &texts.manufacturer, &texts.inUseBy, &texts.crew, &texts.description, &texts.versionName, &texts.shipType,
          &texts.craftId, &texts.flightMode, &texts.weaponSystem}) {
        if (text->find(kShipFileBin) != std::string::npos)
            return 0;
    }
    const std::string& binary = ship.binary;
    const ShipFileReading again =
        readShipFile(shipFileContent(ship.slot, texts,
                                     std::span(reinterpret_cast<const std::uint8_t*>(binary.data()), binary.size())),
                     kEntryLength);
    if (!again.file || again.file->slot != ship.slot || again.file->texts != texts || again.file->binary != binary)
        std::abort();
    return 0;
}

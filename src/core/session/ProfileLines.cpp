#include "session/ProfileLines.h"

#include <array>

namespace plorik {

std::vector<ProfileLine> profileLines(const VersionProfile& profile)
{
    constexpr std::array kColumns = {UnknownColumn::Name, UnknownColumn::Type, UnknownColumn::MainOffset,
                                     UnknownColumn::SlotOffset};
    std::vector<ProfileLine> lines;
    for (const KeyInfo& info : keyTable())
        lines.push_back({std::string(info.name), profile.written(info.key)});
    for (const UnknownColumn column : kColumns) {
        for (std::size_t row = 0; row < kUnknownRows; ++row)
            lines.push_back({"UNKNOWN" + std::to_string(row + 1) + std::string(unknownColumnSuffix(column)),
                             profile.unknownText(row, column)});
    }
    return lines;
}

} // namespace plorik

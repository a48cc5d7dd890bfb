#include "craft/DisplayContext.h"

#include "craft/FieldPosition.h"
#include "io/GamePath.h"

namespace plorik {

std::filesystem::path DisplayContext::gameFile(std::string_view name) const
{
    return resolveGamePath(gameDir, name);
}

std::optional<std::size_t> DisplayContext::field(Key key, std::int32_t offset, std::int32_t width) const
{
    return fieldPosition(profile, key, offset, width);
}

} // namespace plorik

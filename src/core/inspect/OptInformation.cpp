#include "inspect/OptInformation.h"

#include "io/GamePath.h"

#include <system_error>

namespace plorik {

void refreshOptInformation(Form& form, const std::string& gameDir)
{
    std::error_code error;
    const auto model = resolveGamePath(gameDir, form["DBOPTFile"].text());
    form["OptInfoGroup"].setEnabled(std::filesystem::is_regular_file(model, error));
}

} // namespace plorik

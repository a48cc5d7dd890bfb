#include "inspect/OptInformation.h"

#include "io/GamePath.h"
#include "windows/MainWindowControls.h"

#include <system_error>

namespace plorik {

void refreshOptInformation(Form& form, const std::string& gameDir)
{
    std::error_code error;
    const auto model = resolveGamePath(gameDir, form[ui::DBOPTFile].text());
    form[ui::OptInfoGroup].setEnabled(std::filesystem::is_regular_file(model, error));
}

} // namespace plorik

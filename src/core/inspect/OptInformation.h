#pragma once

#include "form/Form.h"

#include <string>

namespace plorik {

// The Opt page's "Opt Information: " group follows the craft's model file: it is on only while the
// file named in "OPT File:" exists in the game folder.
void refreshOptInformation(Form& form, const std::string& gameDir);

} // namespace plorik

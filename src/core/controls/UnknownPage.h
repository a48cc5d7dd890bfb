#pragma once

#include "controls/MainWindowPages.h"
#include "controls/Windows.h"
#include "form/ControlEntry.h"

namespace plorik::controls {

// The "Unknown" page: the free values that data.txt names; only their values are the user's.
inline constexpr std::string_view kUnknownColumns[] = {"Description:", "Data type:", "value:", "Location:", "Offset:"};
inline constexpr std::size_t kUnknownValueColumn[] = {2};

inline constexpr ThisWindowControl FreeValuesGrid{{.key = "StringGrid3",
                                                   .kind = ControlKind::Grid,
                                                   .page = kUnknownPage,
                                                   .rows = 10,
                                                   .columns = 5,
                                                   .columnHeadings = kUnknownColumns,
                                                   .editableColumns = kUnknownValueColumn}};

// The page's controls, in the order the window makes them: a control declared here is listed here.
inline constexpr const MainControl* kUnknownPageControls[] = {&FreeValuesGrid};

} // namespace plorik::controls

#include "TableProgress.h"

namespace plorik::cli {

void TableProgress::operator()(std::size_t done, std::size_t total)
{
    // A tenth of the table at a time: the line is also read from logs, where each update stays.
    if (!m_log || total <= kProgressAbove || (done * 10 / total == (done - 1) * 10 / total && done != total))
        return;
    *m_log << "\rplorik-cli: " << m_verb << ' ' << done << " of " << total << " slots" << std::flush;
    m_shown = true;
}

TableProgress::~TableProgress()
{
    if (m_shown)
        *m_log << '\n';
}

} // namespace plorik::cli

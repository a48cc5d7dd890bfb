#pragma once

#include "session/Session.h"

#include <cstddef>
#include <ostream>
#include <string>

namespace plorik::cli {

// The progress of a long export or import: one line on standard error, rewritten in place, when
// the table has more than 50 slots.
class TableProgress {
public:
    TableProgress(std::ostream* log, std::string verb) : m_log(log), m_verb(std::move(verb)) {}
    ~TableProgress();
    TableProgress(const TableProgress&) = delete;
    TableProgress& operator=(const TableProgress&) = delete;
    void operator()(std::size_t done, std::size_t total);

private:
    std::ostream* m_log;
    std::string m_verb;
    bool m_shown = false;
};

inline constexpr std::size_t kProgressAbove = 50;

} // namespace plorik::cli

#pragma once

#include "session/ScriptedPrompter.h"

#include <string>

namespace plorik::testing {

// Answers every question with its first choice (Yes, OK), every input box with "5" and every file
// choice with `file`, so that an input reaches as far into the code as it can.
class AnsweringPrompter : public ScriptedPrompter {
public:
    explicit AnsweringPrompter(std::string file = {}) : m_file(std::move(file)) {}
    void setFile(std::string file) { m_file = std::move(file); }

protected:
    std::string askFallback(const std::string& kind, const std::string&, const std::string&) override
    {
        if (kind == "input")
            return "text:5";
        if (kind == "file")
            return "file:" + m_file;
        return "yes";
    }

private:
    std::string m_file;
};

} // namespace plorik::testing

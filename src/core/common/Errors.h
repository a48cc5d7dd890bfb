#pragma once

#include <stdexcept>
#include <string>

namespace plorik {

// Base of every error the command runner reports in the standard error box.
class PlorikError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file that cannot be opened, read, written, created or renamed.
class FileError : public PlorikError {
public:
    FileError(std::string path, std::string reason)
        : PlorikError(reason + ": \"" + path + "\""), m_path(std::move(path)), m_reason(std::move(reason))
    {
    }
    const std::string& path() const { return m_path; }
    const std::string& reason() const { return m_reason; }

private:
    std::string m_path;
    std::string m_reason;
};

// A command that refuses before it writes anything; its text says so. Shown as the program's own
// error ("PLORIK error:"), not as a failure.
class WriteRefused : public PlorikError {
public:
    using PlorikError::PlorikError;
};

// A value that does not fit where it has to go (a key beyond its width, a path too long, ...).
class RangeError : public PlorikError {
public:
    using PlorikError::PlorikError;
};

// The reason text for the current errno.
std::string systemReason();

} // namespace plorik

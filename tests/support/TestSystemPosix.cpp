#include "TestSystem.h"

#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

extern char** environ;

namespace plorik::testing {

int runCapturing(const std::string& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& folder, const std::filesystem::path& out,
                 const std::filesystem::path& err)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

bool makeFifo(const std::filesystem::path& path)
{
    return ::mkfifo(path.c_str(), 0644) == 0;
}

bool systemHasFifos()
{
    return true;
}

bool linksCanBeMade()
{
    return true;
}

std::int64_t peakMemoryKilobytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

bool FileSizeLimit::available()
{
    return true;
}

FileSizeLimit::FileSizeLimit(std::uint64_t limit)
{
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    m_old = old.rlim_cur;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = old;
    lowered.rlim_cur = static_cast<rlim_t>(limit);
    ::setrlimit(RLIMIT_FSIZE, &lowered);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    old.rlim_cur = static_cast<rlim_t>(m_old);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace plorik::testing

#pragma once

// Runs the real plorik-cli (or another of the project's programs) as a user runs it: stdin from
// /dev/null, stdout and stderr captured.
#include "GameBuilder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace plorik::testing {

struct CliOutput {
    int exit = -1;
    std::string out;
    std::string err;
};

// Runs `program` in `folder` (the current folder when empty).
inline CliOutput runProgram(const std::string& program, const std::vector<std::string>& arguments,
                            const std::filesystem::path& folder = {})
{
    TempDir capture;
    const std::string outPath = (capture.path() / "out").string();
    const std::string errPath = (capture.path() / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    CliOutput output;
    pid_t child = 0;
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << program;
        return output;
    }
    int status = 0;
    waitpid(child, &status, 0);
    output.exit = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    output.out = readFile(outPath);
    output.err = readFile(errPath);
    return output;
}

inline CliOutput runCli(const std::vector<std::string>& arguments)
{
    return runProgram(PLORIK_CLI_PATH, arguments);
}

// A game built in its own folder, and plorik-cli pointed at its program folder.
struct CliGame {
    explicit CliGame(const GameBuilder& builder) : game(builder.build(dir.path())) {}
    CliOutput run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--program-dir", game.programDir.string()});
        return runCli(arguments);
    }

    TempDir dir;
    BuiltGame game;
};

} // namespace plorik::testing

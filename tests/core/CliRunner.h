#pragma once

// Runs the real plorik-cli (or another of the project's programs) as a user runs it: stdin empty,
// stdout and stderr captured.
#include "GameBuilder.h"
#include "TestSystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    const std::filesystem::path outPath = capture.path() / "out";
    const std::filesystem::path errPath = capture.path() / "err";
    CliOutput output;
    output.exit = runCapturing(program, arguments, folder, outPath, errPath);
    if (output.exit == -1) {
        ADD_FAILURE() << "cannot start " << program;
        return output;
    }
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

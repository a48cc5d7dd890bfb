#pragma once

#include "DemoOptFiles.h"
#include "OptFileBuilder.h"
#include "SessionFixture.h"

#include "gamefiles/OptList.h"
#include "io/GamePath.h"

#include <string>

namespace plorik::testing {

// A started demo game whose slot 1 model is an OPT file of the test's own, shown on the Opt page.
struct OptGame {
    GameBuilder builder;
    StartedGame started;
    std::filesystem::path model; // slot 1's model file
    OptLayout layout;
    std::string original; // the model's bytes as written

    OptGame(Family family, const OptFileBuilder& opt)
        : builder(family), started(builder), model(*modelPath(builder, started.game.gameDir, 1))
    {
        put(opt.bytes(&layout));
    }

    // Writes `bytes` as slot 1's model and shows slot 1 again, which refills the page.
    void put(const std::string& bytes)
    {
        original = bytes;
        writeFile(model, bytes);
        started.show(1);
    }

    // Names `name` as slot `slot`'s model in its OPT list file ("OPT File:" shows it at the next
    // display).
    void nameModel(std::int32_t slot, const std::string& name) const
    {
        const auto list = resolveGamePath(started.game.gameDir.string(),
                                          optListFileName(builder.optList(slot), started.game.family == Family::Xwa));
        std::string text = readFile(list);
        std::size_t start = 0;
        for (std::int32_t line = 0; line < builder.optIndex(slot); ++line)
            start = text.find("\r\n", start) + 2;
        text.replace(start, text.find("\r\n", start) - start, name);
        writeFile(list, text);
    }

    Form& form() { return started.form(); }
    const std::string& text(ControlKey key) { return started.text(key); }
    std::string bytes() const { return readFile(model); }
    std::int64_t child(std::size_t mesh, std::size_t index) const { return layout.children.at(mesh).at(index); }
};

// The lines of a memo, as a user reads them.
inline std::string lines(const std::vector<std::string>& each)
{
    std::string text;
    for (const std::string& line : each)
        text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

} // namespace plorik::testing

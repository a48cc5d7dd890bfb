#pragma once

#include "ControlKeyPrinting.h"
#include "GameBuilder.h"
#include "controls/MainWindowControls.h"
#include "session/ScriptedPrompter.h"
#include "session/Session.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace plorik::testing {

// A game built in a fresh folder and a session started on it with a scripted prompter.
struct StartedGame {
    TempDir dir;
    BuiltGame game;
    ScriptedPrompter prompter;
    std::unique_ptr<Session> session;

    explicit StartedGame(const GameBuilder& builder, const std::vector<std::string>& answers = {})
    {
        game = builder.build(dir.path());
        for (const std::string& answer : answers)
            prompter.addAnswer(answer);
        session = std::make_unique<Session>(game.programDir, prompter);
        session->start();
    }

    // A test that leaves an answer unused or a question unanswered did not go as it meant to.
    ~StartedGame()
    {
        if (strict) {
            EXPECT_EQ(prompter.unusedAnswers(), 0u) << "answers left unused";
            EXPECT_FALSE(prompter.unanswered()) << "a question found no answer";
        }
    }
    // For tests about what happens when answers are missing or to spare.
    bool strict = true;

    Form& form() { return session->mainForm(); }
    const Control& control(ControlKey key) { return form()[key]; }
    const std::string& text(ControlKey key) { return form()[key].text(); }
    // Types the slot number into "Craft No.", which reads and shows that slot.
    void show(std::int32_t slot) { form().userEdit(controls::CraftNoBox, std::to_string(slot)); }
    // "CAPTION|TEXT" of every message shown so far.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> shown;
        for (const auto& record : prompter.records())
            shown.push_back(record.message.caption + "|" + record.message.text);
        return shown;
    }
};

// The first `length` bytes of the session's slot buffer.
inline std::vector<std::uint8_t> bufferStart(const Session& session, std::size_t length)
{
    const auto& bytes = session.slotBuffer().bytes();
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)};
}

// A data.txt whose demo entry of `family` has `key` set to `value` (appended, so it wins).
inline std::string dataWithKey(Family family, const std::string& key, const std::string& value)
{
    VersionEntry entry = family == Family::Xwa ? demoXwaEntry() : demoXvtEntry();
    entry.keys.emplace_back(key, value);
    return dataFileText({entry});
}

// The text with the section whose header is `header` renamed, so it is missing.
inline std::string withoutSection(std::string text, const std::string& header)
{
    const std::size_t at = text.find(header);
    if (at != std::string::npos)
        text.replace(at, 1, "#");
    return text;
}

} // namespace plorik::testing

#pragma once

#include "ControlKeyPrinting.h"
#include "DemoLayout.h"
#include "GameBuilder.h"
#include "controls/MainWindowControls.h"
#include "session/ScriptedPrompter.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace plorik::testing {

// A game built in a fresh folder. The folder may be changed before the session starts (pilot files,
// cut or replaced text files); then "Write" is pressed through the form, as a user would.
struct WriteGame {
    TempDir dir;
    GameBuilder builder;
    BuiltGame game;
    ScriptedPrompter prompter;
    std::unique_ptr<Session> session;

    explicit WriteGame(GameBuilder built) : builder(std::move(built)) { game = builder.build(dir.path()); }

    WriteGame& start()
    {
        session = std::make_unique<Session>(game.programDir, prompter);
        session->start();
        return *this;
    }
    // Starts and shows slot `slot`; the start-up's messages are forgotten.
    WriteGame& startAt(std::int32_t slot)
    {
        start();
        if (slot != 1)
            form().userEdit(controls::CraftNoBox, std::to_string(slot));
        prompter.clearRecords();
        return *this;
    }

    // A test that leaves an answer unused or a question unanswered did not go as it meant to.
    ~WriteGame()
    {
        if (strict) {
            EXPECT_EQ(prompter.unusedAnswers(), 0u) << "answers left unused";
            EXPECT_FALSE(prompter.unanswered()) << "a question found no answer";
        }
    }
    // For tests about what happens when answers are missing or to spare.
    bool strict = true;

    Form& form() { return session->mainForm(); }
    Control& control(ControlKey key) { return form()[key]; }

    // Presses "Write" with these answers for its questions.
    void write(const std::vector<std::string>& answers = {})
    {
        for (const std::string& answer : answers)
            prompter.addAnswer(answer);
        form().userPress(controls::WriteButton);
    }

    std::filesystem::path path(const std::string& name) const { return game.gameDir / name; }
    std::string file(const std::string& name) const { return readFile(path(name)); }
    std::string exe() const { return readFile(game.executable()); }

    DemoLayout layout() const { return DemoLayout(builder.entry()); }
    std::int64_t key(const std::string& name) const { return layout().value(name); }
    // File positions of a slot's craft entry and of its ship type fields (P).
    std::int64_t craftAt(std::int32_t slot) const
    {
        return key("CRAFTOFFSET") + std::int64_t{slot - 1} * key("ENTRYLENGTH");
    }
    std::int64_t shipTypeAt(std::int32_t slot) const
    {
        return key("SHIPTYPESTART") + std::int64_t{slot - 1} * key("SHIPTYPELEN");
    }

    // "CAPTION|TEXT" of every message shown since the slot was shown.
    std::vector<std::string> messages() const
    {
        std::vector<std::string> shown;
        for (const auto& record : prompter.records())
            shown.push_back(record.message.caption + "|" + record.message.text);
        return shown;
    }
};

// Every file under a folder, by its path relative to the folder.
inline std::map<std::string, std::string> snapshot(const std::filesystem::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[std::filesystem::relative(entry.path(), folder).generic_string()] = readFile(entry.path());
    }
    return files;
}

// The names of files that were added, removed or changed between two snapshots.
inline std::set<std::string> changedFiles(const std::map<std::string, std::string>& before,
                                          const std::map<std::string, std::string>& after)
{
    std::set<std::string> changed;
    for (const auto& [name, content] : before) {
        const auto found = after.find(name);
        if (found == after.end() || found->second != content)
            changed.insert(name);
    }
    for (const auto& [name, content] : after) {
        if (!before.contains(name))
            changed.insert(name);
    }
    return changed;
}

// The positions at which two byte strings differ (a longer one differs from the end of the other).
inline std::vector<std::size_t> differences(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        if (i >= a.size() || i >= b.size() || a[i] != b[i])
            positions.push_back(i);
    }
    return positions;
}

// The lines of a text file written with CR LF after each line. A line end without CR, or a last
// line without its end, is reported as a test failure.
inline std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the text does not end with CR LF after line " << lines.size();
            lines.push_back(text.substr(start));
            break;
        }
        const std::string line = text.substr(start, end - start);
        if (line.find('\n') != std::string::npos || line.find('\r') != std::string::npos)
            ADD_FAILURE() << "line " << lines.size() + 1 << " holds a lone CR or LF";
        lines.push_back(line);
        start = end + 2;
    }
    return lines;
}

// Puts `bytes` into `content` at `at`.
inline void patch(std::string& content, std::int64_t at, const std::vector<std::uint8_t>& bytes)
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        content.at(static_cast<std::size_t>(at) + i) = static_cast<char>(bytes[i]);
}

inline std::vector<std::uint8_t> bytesAt(const std::string& content, std::int64_t at, std::size_t count)
{
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<std::uint8_t>(content.at(static_cast<std::size_t>(at) + i)));
    return bytes;
}

inline std::uint32_t numberAt(const std::string& content, std::int64_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<std::uint8_t>(content.at(static_cast<std::size_t>(at) + i));
    return value;
}

// Text lines joined with CR LF after each.
inline std::string crlfText(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

} // namespace plorik::testing

// The main window's catalogue: every control a page or area header declares is listed once, in the
// order the header declares it, and the window's form holds exactly those entries.
#include "GameBuilder.h"

#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/WeaponEditorControls.h"
#include "controls/WindowForms.h"
#include "form/Form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

using namespace plorik;
using namespace plorik::testing;

namespace {

const std::filesystem::path kControls = std::filesystem::path(PLORIK_DATA_DIR) / ".." / "src" / "core" / "controls";

std::vector<std::string> matches(const std::string& text, const std::regex& pattern)
{
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern); it != std::sregex_iterator(); ++it)
        found.push_back((*it)[1].str());
    return found;
}

// A form refers to the entries it is made of, so it takes constants and refuses temporaries.
template <class Entry>
concept Addable = requires(Form& form, Entry&& entry)
{
    form.add(std::forward<Entry>(entry));
};
static_assert(Addable<const ControlEntry&>);
static_assert(!Addable<ControlEntry>);

// Each window's form takes only its own window's constants: a cockpit editor control used on the
// main window's form, or the other way round, does not compile.
template <class WindowForm, const auto& Entry>
concept Reaches = requires(WindowForm& form)
{
    form[Entry];
    form.has(Entry);
    form.userEdit(Entry, std::string());
    form.userPress(Entry);
    form.onChange(Entry, Form::Handler());
};
static_assert(Reaches<MainForm, controls::SpeedBox>);
static_assert(Reaches<CockpitForm, controls::cockpit::CockpitFileBox>);
static_assert(Reaches<WeaponForm, controls::weapons::PowerBox>);
static_assert(!Reaches<MainForm, controls::cockpit::CockpitFileBox>);
static_assert(!Reaches<MainForm, controls::weapons::PowerBox>);
static_assert(!Reaches<CockpitForm, controls::SpeedBox>);
static_assert(!Reaches<WeaponForm, controls::SpeedBox>);
static_assert(!Reaches<WeaponForm, controls::cockpit::CockpitFileBox>);

} // namespace

TEST(ControlsCatalogue, EveryDeclaredMainWindowControlIsListedOnceInItsHeader)
{
    const std::regex include(R"(#include "controls/(\w+\.h)\")");
    const std::regex declared(R"((?:PLORIK_CONTROL\(\s*|inline constexpr ThisWindowControl\s+)(\w+))");
    const std::regex list(R"(inline constexpr const MainControl\* (k\w+Controls)\[\] = \{([^}]*)\})");
    const std::regex listed(R"(&(\w+))");

    // Each header that declares controls lists them, in its own order, each once.
    std::map<std::string, std::vector<std::string>> lists; // by the list's name
    std::vector<std::string> allDeclared;
    const std::vector<std::string> headers = matches(readFile(kControls / "MainWindowControls.h"), include);
    ASSERT_GE(headers.size(), 10u);
    for (const std::string& header : headers) {
        SCOPED_TRACE(header);
        const std::string text = readFile(kControls / header);
        const std::vector<std::string> names = matches(text, declared);
        std::vector<std::smatch> found;
        for (auto it = std::sregex_iterator(text.begin(), text.end(), list); it != std::sregex_iterator(); ++it)
            found.push_back(*it);
        if (names.empty()) {
            EXPECT_TRUE(found.empty());
            continue;
        }
        ASSERT_EQ(found.size(), 1u) << "one list beside the declarations";
        const std::string body = found.front()[2].str();
        EXPECT_EQ(matches(body, listed), names);
        lists[found.front()[1].str()] = matches(body, listed);
        allDeclared.insert(allDeclared.end(), names.begin(), names.end());
    }
    ASSERT_EQ(std::set<std::string>(allDeclared.begin(), allDeclared.end()).size(), allDeclared.size());

    // The window's list joins every header's list once.
    const std::string source = readFile(kControls / "MainWindowControls.cpp");
    const std::size_t join = source.find("joined(", source.find("kControls ="));
    ASSERT_NE(join, std::string::npos);
    const std::vector<std::string> joined =
        matches(source.substr(join, source.find(';', join) - join), std::regex(R"((k\w+Controls))"));
    EXPECT_EQ(std::set<std::string>(joined.begin(), joined.end()).size(), joined.size());
    EXPECT_EQ(joined.size(), lists.size());
    std::vector<std::string> allListed;
    for (const std::string& name : joined) {
        ASSERT_TRUE(lists.contains(name)) << name;
        allListed.insert(allListed.end(), lists[name].begin(), lists[name].end());
    }

    // The compiled list is the headers' lists joined: as long, and in the same order (a constant
    // declared with PLORIK_CONTROL has its name as its key).
    const std::span<const MainControl* const> catalogue = controls::mainWindowControls();
    ASSERT_EQ(catalogue.size(), allListed.size());
    ASSERT_EQ(std::set<std::string>(allDeclared.begin(), allDeclared.end()).size(), allDeclared.size());
    const std::regex macro(R"(PLORIK_CONTROL\(\s*(\w+))");
    std::set<std::string> keyedByName;
    for (const std::string& header : headers) {
        for (const std::string& name : matches(readFile(kControls / header), macro))
            keyedByName.insert(name);
    }
    std::set<std::string_view> keys;
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_TRUE(keys.insert(catalogue[i]->key).second) << "two controls keyed " << catalogue[i]->key;
        if (keyedByName.contains(allListed[i])) {
            EXPECT_EQ(catalogue[i]->key, allListed[i]) << "at " << i;
        }
    }

    // The form is made of the catalogue's own entries, one control each, in its order.
    const auto form = buildMainWindowForm();
    ASSERT_EQ(form->controls().size(), catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        EXPECT_EQ(&form->controls()[i]->entry(), catalogue[i]) << catalogue[i]->key;
        EXPECT_TRUE(form->controls()[i]->key() == *catalogue[i]);
    }
}

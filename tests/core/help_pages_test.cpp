// The help pages describe every command of every window, every key of data.txt and every command
// of plorik-cli.
#include "Command.h"
#include "GameBuilder.h"

#include "controls/CockpitEditorControls.h"
#include "controls/MainWindowControls.h"
#include "controls/MainWindowPages.h"
#include "controls/WindowForms.h"
#include "form/Form.h"
#include "profile/ProfileKey.h"

#include <gtest/gtest.h>

#include <regex>

using namespace plorik;
using namespace plorik::testing;

namespace {

const std::filesystem::path kHelp = std::filesystem::path(PLORIK_DATA_DIR) / "help";

// A page as a reader sees it: tags removed, entities decoded, blanks and line breaks as one blank.
std::string readable(const std::string& html)
{
    std::string text = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    for (const auto& [entity, character] :
         {std::pair{"&gt;", ">"}, {"&lt;", "<"}, {"&quot;", "\""}, {"&times;", "x"}, {"&amp;", "&"}})
        text = std::regex_replace(text, std::regex(entity), character);
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::string allPages()
{
    std::string text;
    for (const auto& entry : std::filesystem::directory_iterator(kHelp)) {
        if (entry.path().extension() == ".html")
            text += readable(readFile(entry.path())) + " ";
    }
    return text;
}

// A caption as the pages write it: without the "&" that marks its shortcut letter.
std::string withoutMnemonic(std::string_view caption)
{
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

TEST(HelpPages, NameEveryWindowPageButtonAndMenuItem)
{
    const std::string help = allPages();
    std::vector<std::unique_ptr<Form>> forms;
    forms.push_back(buildMainWindowForm());
    forms.push_back(buildCockpitEditorForm());
    forms.push_back(buildWeaponEditorForm());
    for (const auto& form : forms) {
        EXPECT_NE(help.find(form->caption()), std::string::npos) << form->caption();
        for (const auto& control : form->controls()) {
            std::string name;
            if (control->kind() == ControlKind::Button || control->kind() == ControlKind::MenuItem)
                name = withoutMnemonic(control->caption());
            else if (control->kind() == ControlKind::ToolButton)
                name = control->entry().hint;
            if (!name.empty()) {
                EXPECT_NE(help.find(name), std::string::npos)
                    << form->caption() << ": " << control->key().name() << " " << name;
            }
        }
    }
    for (const std::string_view page : controls::kMainWindowPages)
        EXPECT_NE(help.find(page), std::string::npos) << page;
}

TEST(HelpPages, BoxesAndButtonsCarryTheirToolTips)
{
    const auto main = buildMainWindowForm();
    const auto cockpit = buildCockpitEditorForm();
    const std::tuple<const Form*, ControlKey, std::string_view> hints[] = {
        {main.get(), controls::DBOPTFile, "The OPT file used in the game"},
        {main.get(), controls::FindButton, "Search for the specified value in the current slot"},
        {main.get(), controls::CompareButton, "Compare the value with entries from last search"},
        {main.get(), controls::CockpitBox, "Cockpit file string"},
        {cockpit.get(), controls::cockpit::PanelBox, "Right click to bring up browse funcion"},
        {cockpit.get(), controls::cockpit::MapBox, "Right click to bring up browse funcion"},
        {cockpit.get(), controls::cockpit::MapValue, "Right click to bring up browse funcion"},
    };
    for (const auto& [form, key, hint] : hints)
        EXPECT_EQ((*form)[key].entry().hint, hint) << (*form)[key].key().name();
}

TEST(HelpPages, DescribeEveryKeyOfDataFileAndEveryCliCommand)
{
    const std::string data = readable(readFile(kHelp / "data-file.html"));
    for (const KeyInfo& key : keyTable())
        EXPECT_NE(data.find(std::string(key.name)), std::string::npos) << key.name;
    for (UnknownColumn column :
         {UnknownColumn::Name, UnknownColumn::Type, UnknownColumn::MainOffset, UnknownColumn::SlotOffset}) {
        const std::string suffix(unknownColumnSuffix(column));
        EXPECT_NE(data.find("UNKNOWN1" + suffix + " to UNKNOWN9" + suffix), std::string::npos) << suffix;
    }
    for (const char* section : {"[XVT VERSIONS]", "[TARGET TYPES]", "[GUN CONVERGENCE]", "[WEAPON TYPES]",
                                "[XWA WEAPON TYPES]", "[WEAPON NAMES]", "[XWA WEAPON NAMES]", "[WEAPON CATEGORIES]"})
        EXPECT_NE(data.find(section), std::string::npos) << section;

    const std::string commandLine = readable(readFile(kHelp / "command-line.html"));
    for (const cli::CommandInfo& command : cli::commands()) {
        std::string usage(command.name);
        if (!command.arguments.empty())
            usage.append(" ").append(command.arguments);
        EXPECT_NE(commandLine.find(usage), std::string::npos) << usage;
    }
}

} // namespace

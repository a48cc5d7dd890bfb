#include "RunSteps.h"
#include "controls/MainWindowControls.h"

#include "CliOptions.h"
#include "PressTarget.h"

#include <algorithm>
#include <array>
#include <utility>

namespace plorik::cli {

namespace {

constexpr std::array<std::pair<std::string_view, RunStep::Kind>, 4> kStepOptions = {{
    {"--slot", RunStep::Kind::Slot},
    {"--window", RunStep::Kind::Window},
    {"--set", RunStep::Kind::Set},
    {"--press", RunStep::Kind::Press},
}};

class StepRunner {
public:
    explicit StepRunner(CommandContext& context) : m_context(context), m_window(&mainWindow()) {}

    // False when the run stops here.
    bool run(const RunStep& step)
    {
        switch (step.kind) {
        case RunStep::Kind::Slot: return slot(step.value);
        case RunStep::Kind::Window: return address(*findWindow(step.value));
        case RunStep::Kind::Set: return set(step.set);
        case RunStep::Kind::Press: return press(step.value);
        }
        return false;
    }

    const std::vector<const CliWindow*>& addressed() const { return m_addressed; }

private:
    Form& form() { return m_window->form(m_context.session); }

    bool slot(const std::string& text)
    {
        // Without a profile "Craft No." is off and there is no slot; the start-up has said why.
        if (!m_context.session.mainForm().userEdit(controls::CraftNoBox, text)) {
            m_context.failed = true;
            return false;
        }
        return true;
    }

    // An editor window is shown by its menu item, exactly as a click on it would.
    bool address(const CliWindow& window)
    {
        if (window.menuItem) {
            Form& main = m_context.session.mainForm();
            if (!main.canPress(*window.menuItem))
                return refuse(std::string(window.menuItem->key) + " is disabled");
            main.userPress(*window.menuItem);
        }
        m_window = &window;
        if (std::find(m_addressed.begin(), m_addressed.end(), &window) == m_addressed.end())
            m_addressed.push_back(&window);
        return true;
    }

    bool set(const FormSet& set)
    {
        std::string error;
        return applyFormSet(form(), set, error) == SetOutcome::Done || refuse(error);
    }

    bool press(const std::string& name)
    {
        const Control* target = findPressTarget(form(), name);
        if (!target)
            return refuse(name + " is not a control");
        if (!pressable(target->kind()))
            return refuse(name + " cannot be pressed");
        if (!form().canPress(target->key()))
            return refuse(name + " is disabled");
        form().userPress(target->key());
        return true;
    }

    bool refuse(const std::string& why)
    {
        if (m_context.log)
            *m_context.log << "plorik-cli: " << why << '\n';
        m_context.refused = true;
        return false;
    }

    CommandContext& m_context;
    const CliWindow* m_window;
    std::vector<const CliWindow*> m_addressed{&mainWindow()};
};

} // namespace

std::optional<std::vector<RunStep>> parseRunSteps(const std::vector<std::string>& words, std::size_t first,
                                                  std::string& error)
{
    std::vector<RunStep> steps;
    for (std::size_t i = first; i < words.size(); ++i) {
        std::optional<RunStep> step;
        for (const auto& [option, kind] : kStepOptions) {
            bool missing = false;
            if (std::optional<std::string> value = optionValue(words, i, option, missing)) {
                step = RunStep{kind, *value, {}};
                break;
            }
            if (missing) {
                error = std::string(option) + " needs a value";
                return std::nullopt;
            }
        }
        if (!step) {
            error = "unexpected argument " + words[i];
            return std::nullopt;
        }
        if (step->kind == RunStep::Kind::Window && !findWindow(step->value)) {
            error = "--window is one of " + windowNames() + ", not " + step->value;
            return std::nullopt;
        }
        if (step->kind == RunStep::Kind::Set) {
            const std::optional<FormSet> set = parseFormSet(step->value, error);
            if (!set)
                return std::nullopt;
            step->set = *set;
        }
        steps.push_back(std::move(*step));
    }
    return steps;
}

RunResult runSteps(CommandContext& context, const std::vector<RunStep>& steps)
{
    StepRunner runner(context);
    bool completed = !context.session.ended();
    for (std::size_t i = 0; completed && i < steps.size(); ++i) {
        const std::size_t errors = context.errorsShown();
        completed = runner.run(steps[i]) && context.errorsShown() == errors && !context.session.ended();
    }
    return {runner.addressed(), completed};
}

} // namespace plorik::cli

// What a user waits for in the main window, driven as a user drives it on a full-size game of each
// family, offscreen: each row changes one thing and waits until the window has taken it and painted
// it (events processed until idle). The goal of each is one frame of a 60 Hz screen, 16 ms; each
// row gives the median and the worst of its 100 iterations and how many missed the frame.
#include "AnsweringPrompter.h"
#include "DemoOptFiles.h"
#include "FrameTimes.h"
#include "FullSizeGame.h"
#include "LargeModel.h"
#include "MainWindow.h"
#include "SettledWindow.h"
#include "WindowSet.h"

#include "controls/MainWindowControls.h"
#include "session/Session.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

namespace {

using namespace plorik;
using testing::Family;

// The program on a full-size game as it starts: the main window shown, then the start-up. Slot 1's
// model file is a 5 MB model of 40 meshes.
struct RunningWindow {
    explicit RunningWindow(Family family) : full(family, 2)
    {
        const auto model = testing::modelPath(full.builder, full.game.gameDir, 1);
        if (model) {
            std::filesystem::create_directories(model->parent_path());
            testing::writeFile(*model, bench::largeModel(2).bytes());
        }
        session = std::make_unique<Session>(full.game.programDir, prompter);
        windows = std::make_unique<gui::WindowSet>(*session);
        window().resize(1280, 800);
        window().show();
        session->start();
        windows->afterCommand();
        waiter.settle();
    }

    gui::MainWindow& window() { return windows->mainWindow(); }
    template <class T> T* find(ControlKey key)
    {
        return window().findChild<T*>(QString::fromStdString(std::string(key.name())));
    }
    // The first error message shown, or "".
    std::string error() const
    {
        for (const auto& record : prompter.records()) {
            if (record.message.caption.starts_with("PLORIK error") ||
                record.message.caption.starts_with("PLORIK Error"))
                return record.message.caption + " " + record.message.text;
        }
        return {};
    }
    void showPage(std::string_view caption)
    {
        QTabWidget* pages = window().pages();
        for (int page = 0; page < pages->count(); ++page) {
            if (pages->tabText(page) == QString::fromStdString(std::string(caption)))
                pages->setCurrentIndex(page);
        }
        waiter.settle();
    }

    bench::FullSizeGame full;
    testing::AnsweringPrompter prompter;
    std::unique_ptr<Session> session;
    std::unique_ptr<gui::WindowSet> windows;
    bench::SettledWindow waiter;
};

// Reports the paints per iteration, so a row that painted nothing shows it.
void countPaints(benchmark::State& state, long paints)
{
    state.counters["paints"] =
        state.iterations() ? static_cast<double>(paints) / static_cast<double>(state.iterations()) : 0;
}

// A slot picked from the "Craft No." list, up to the pages showing it.
void craftNumber(benchmark::State& state, Family family)
{
    RunningWindow running(family);
    auto* craftNo = running.find<QComboBox>(controls::CraftNoBox);
    const int items = craftNo->count();
    int index = 0;
    long paints = 0;
    bench::frameTimes(state, [&] {
        index = (index + 1) % items;
        craftNo->setCurrentIndex(index);
        emit craftNo->activated(index);
        paints += running.waiter.settle();
    });
    if (running.session->currentSlot() != index + 1)
        state.SkipWithError("the window does not show the slot picked");
    countPaints(state, paints);
}

// The next page's tab clicked.
void tabChange(benchmark::State& state, Family family)
{
    RunningWindow running(family);
    QTabWidget* pages = running.window().pages();
    long paints = 0;
    bench::frameTimes(state, [&] {
        pages->setCurrentIndex((pages->currentIndex() + 1) % pages->count());
        paints += running.waiter.settle();
    });
    countPaints(state, paints);
}

// "Write" pressed after one edit of "Speed:" (the edit itself untimed).
void writeOneEdit(benchmark::State& state, Family family)
{
    RunningWindow running(family);
    auto* speed = running.find<QLineEdit>(controls::SpeedBox);
    auto* write = running.find<QPushButton>(controls::WriteButton);
    int value = 100;
    long paints = 0;
    bench::frameTimes(
        state,
        [&] {
            write->click();
            paints += running.waiter.settle();
        },
        [&] {
            value = value == 100 ? 101 : 100;
            const QString text = QString::number(value);
            speed->setText(text);
            emit speed->textEdited(text);
            running.waiter.settle();
        });
    if (const std::string error = running.error(); !error.empty())
        state.SkipWithError(error.c_str());
    countPaints(state, paints);
}

// A mesh clicked in the Opt page's "Mesh:" list, up to its information shown.
void meshClick(benchmark::State& state, Family family)
{
    RunningWindow running(family);
    running.showPage(controls::kOptPage);
    auto* meshes = running.find<QListWidget>(controls::MeshList);
    if (meshes->count() < 2) {
        state.SkipWithError("slot 1's model shows no meshes");
        return;
    }
    long paints = 0;
    bench::frameTimes(state, [&] {
        meshes->setCurrentRow((meshes->currentRow() + 1) % meshes->count());
        paints += running.waiter.settle();
    });
    state.counters["meshes"] = meshes->count();
    countPaints(state, paints);
}

} // namespace

#define PLORIK_WINDOW_BENCH(operation)                                                                                 \
    BENCHMARK_CAPTURE(operation, xvt, Family::Xvt)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond);   \
    BENCHMARK_CAPTURE(operation, xwa, Family::Xwa)->Iterations(100)->UseManualTime()->Unit(benchmark::kMillisecond)

PLORIK_WINDOW_BENCH(craftNumber);
PLORIK_WINDOW_BENCH(tabChange);
PLORIK_WINDOW_BENCH(writeOneEdit);
PLORIK_WINDOW_BENCH(meshClick);

// Edits an engineer makes on the busiest screen of a full project, each with the repaint that
// follows: select all and a nudge by an arrow key with its undo and redo, and the paste of 50
// tags with its undo. The goal of each is one 60 Hz frame (16 ms).

#include "full_project.h" // before Qt: the document has a member named "slots"

#include "ui/canvas/screen_canvas.h"
#include "ui/common/message_box.h"
#include "ui/helpers/stack_sink.h"

#include <QApplication>
#include <QKeyEvent>
#include <QUndoStack>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>

namespace {

// A shown canvas at 200 % on one screen of the project, its changes on an undo stack.
struct Editor
{
    QUndoStack undo;
    uitest::StackSink sink{undo};
    ui::CScreenCanvas canvas;

    Editor(bench::FullProject &project, core::CScreenData &screen)
        : canvas(project.doc, screen, project.config, &sink)
    {
        canvas.setZoomFactor(4.0, 4.0);
        canvas.show();
        QApplication::processEvents();
    }
    // What the editor does after an undo or redo: the views repaint from the model.
    void afterHistoryStep()
    {
        canvas.refresh();
        QApplication::processEvents();
    }
};

double elapsedMs(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
            .count();
}

void BM_SelectAllNudgeUndoRedo(benchmark::State &state)
{
    bench::FullProject project;
    Editor editor(project, project.busiest());
    int key = Qt::Key_Right;
    double total = 0;
    std::int64_t n = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        editor.canvas.clearSelection();
        editor.canvas.actions().selectAll();
        QApplication::processEvents();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&editor.canvas, &press);
        QApplication::processEvents();
        editor.undo.undo();
        editor.afterHistoryStep();
        editor.undo.redo();
        editor.afterHistoryStep();
        total += elapsedMs(t0);
        ++n;
        key = key == Qt::Key_Right ? Qt::Key_Left : Qt::Key_Right; // stays on the display
    }
    const double ms = n ? total / double(n) / 4 : 0;
    state.counters["tags"] = double(editor.canvas.selection().size());
    state.counters["ms_per_step"] = ms;
    std::printf("select all + arrow nudge + undo + redo of %zu tags: %.3f ms a step, each with "
                "its repaint (goal < 16 ms)\n",
                editor.canvas.selection().size(), ms);
}
BENCHMARK(BM_SelectAllNudgeUndoRedo)->Unit(benchmark::kMillisecond);

void BM_PasteFiftyAndUndo(benchmark::State &state)
{
    // Room in the screen area for the pasted tags, on a screen of their own.
    bench::FullProject project(8192);
    core::CScreenData *target = nullptr;
    project.doc.AddScreen(core::kMaxScreenNumber, &target);
    core::CScreenData *source = nullptr;
    project.doc.AddScreen(core::kMaxScreenNumber - 1, &source);
    for (int i = 0; i < 50; ++i)
        source->AddTag(bench::mixedTag(i % 2 ? 3 : 4, source->Number()), false);
    int refusals = 0;
    ui::setMessageHandler([&refusals](int, const QString &, ui::AskKind) {
        ++refusals;
        return ui::Answer::Ok;
    });
    {
        Editor from(project, *source);
        from.canvas.actions().selectAll();
        from.canvas.actions().copy();
    }
    // The source screen goes again, so that the pasted tags have its bytes.
    project.doc.RemoveScreen(source->Number());
    Editor editor(project, *target);
    double total = 0;
    std::int64_t n = 0;
    std::size_t pasted = 0;
    for (auto _ : state) {
        const auto t0 = std::chrono::steady_clock::now();
        editor.canvas.actions().paste();
        QApplication::processEvents();
        pasted = editor.canvas.selection().size();
        editor.undo.undo();
        editor.afterHistoryStep();
        total += elapsedMs(t0);
        ++n;
    }
    ui::setMessageHandler({});
    if (refusals > 0 || pasted != 50)
        state.SkipWithError("the paste was refused");
    const double ms = n ? total / double(n) / 2 : 0;
    state.counters["pasted"] = double(pasted);
    state.counters["ms_per_step"] = ms;
    std::printf("paste of %zu tags + undo: %.3f ms a step, each with its repaint (goal < 16 ms)\n",
                pasted, ms);
}
BENCHMARK(BM_PasteFiftyAndUndo)->Unit(benchmark::kMillisecond);

} // namespace

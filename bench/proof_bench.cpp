// SPDX-License-Identifier: GPL-3.0-or-later
// What the program's own work costs: every proof of the catalogue for every
// input, one law or value chosen through the real window (with and without
// painting the result), and building the whole window. Offscreen unless
// QT_QPA_PLATFORM says otherwise.

#include "dispatch.h"
#include "inf_tarvisko.h"
#include "law_proof.h"
#include "window_opening.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>

namespace {

constexpr int rowCount = 21;
constexpr int inputCount = 8; // A, B, C each 0 or 1

provers::FormValues valuesOf(int bits) {
    return provers::formValuesOf(bits & 1, (bits >> 1) & 1, (bits >> 2) & 1);
}

// 21 rows x 8 inputs = 168 proofs per iteration.
void BM_AllProofs(benchmark::State &state) {
    for (auto _ : state) {
        for (int row = 0; row < rowCount; ++row) {
            for (int bits = 0; bits < inputCount; ++bits) {
                provers::ProofText text;
                provers::proveRow(static_cast<std::int16_t>(row), valuesOf(bits), text);
                benchmark::DoNotOptimize(text.text().data());
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * rowCount * inputCount);
}
BENCHMARK(BM_AllProofs);

// A shown window, settled, for the round trips below.
struct ShownWindow {
    Inf_Tarvisko window;
    ShownWindow() {
        window.show();
        QApplication::processEvents();
    }
    // Paints what the last change left to paint, as the event loop would.
    void paint() { QApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest); }
};

// The selection moves to the next law: the law list follows, List1_Click,
// ShowLaw and the result box's new text.
void BM_ShowLaw_LawList(benchmark::State &state) {
    ShownWindow shown;
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % rowCount;
        shown.window.selection()->setLaw(row);
        benchmark::DoNotOptimize(shown.window.resultText().data());
    }
}
BENCHMARK(BM_ShowLaw_LawList);

// The same, and the window painted as the next turn of the event loop does.
void BM_ShowLaw_LawList_Painted(benchmark::State &state) {
    ShownWindow shown;
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % rowCount;
        shown.window.selection()->setLaw(row);
        shown.paint();
    }
}
BENCHMARK(BM_ShowLaw_LawList_Painted);

// The value of A flips under law 7: its selector follows, Bul_Prom_Click
// and ShowLaw.
void BM_ShowLaw_ValueSelector(benchmark::State &state) {
    ShownWindow shown;
    shown.window.selection()->setLaw(6);
    int value = 0;
    for (auto _ : state) {
        value = 1 - value;
        shown.window.selection()->setValue(0, value == 1);
        benchmark::DoNotOptimize(shown.window.resultText().data());
    }
}
BENCHMARK(BM_ShowLaw_ValueSelector);

// The window built with all its controls and Form_Load run, not shown.
void BM_BuildWindow(benchmark::State &state) {
    for (auto _ : state) {
        Inf_Tarvisko window;
        benchmark::DoNotOptimize(window.resultText().data());
    }
}
BENCHMARK(BM_BuildWindow)->Unit(benchmark::kMicrosecond);

// Built, shown and painted once, as at start-up (fonts and glyphs already
// cached after the first iteration).
void BM_BuildAndPaintWindow(benchmark::State &state) {
    for (auto _ : state) {
        Inf_Tarvisko window;
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.resultText().data());
    }
}
BENCHMARK(BM_BuildAndPaintWindow)->Unit(benchmark::kMicrosecond);

// The truth-table window opened for the first time (built, shown and
// painted) beside a shown main window, as Ctrl+T does.
void BM_OpenTruthTable(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto shown = std::make_unique<ShownWindow>();
        QAction *open = attachWindowOpening(shown->window).truthTable;
        state.ResumeTiming();
        open->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenTruthTable)->Unit(benchmark::kMillisecond);

// A keystroke in the formula field: the formula read and its table shown,
// alternating between a two- and a three-variable formula.
void BM_TableKeystroke(benchmark::State &state) {
    ShownWindow shown;
    attachWindowOpening(shown.window).truthTable->trigger();
    QApplication::processEvents();
    QLineEdit *field = nullptr;
    for (QLineEdit *edit : shown.window.findChildren<QLineEdit *>())
        if (edit->accessibleName() == QString::fromUtf8("Формула"))
            field = edit;
    if (!field) {
        state.SkipWithError("no formula field");
        return;
    }
    const QString formulas[] = {QStringLiteral("(A ^ B) v (!A ^ C) = (A v C) ^ (!A v B)"),
                                QStringLiteral("!(A v B) = !A ^ !B")};
    int which = 0;
    for (auto _ : state) {
        which = 1 - which;
        field->setText(formulas[which]);
        emit field->textEdited(field->text());
    }
}
BENCHMARK(BM_TableKeystroke)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char *argv[]) {
    benchmark::Initialize(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

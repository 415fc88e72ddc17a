// In-process benchmarks: the readings, report composition, planet lookups and the windows a
// person opens. Run under the offscreen platform; see bench/run.

#include "QuietPlatform.h"
#include "app/frmMDI.h"
#include "birth/modBirthData.h"
#include "birth/modSunSignProfile.h"
#include "career/frmCareerAstrologyMain.h"
#include "financial/frmFinancialAstrologyMain.h"
#include "planets/modPlanetSigns.h"
#include "reports/ReportWindow.h"
#include "reports/modReports.h"

#include <QApplication>
#include <QLineEdit>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

using namespace orbika;

FinancialReading MakeFinancialReading() {
    FinancialReading reading;
    reading.Name = "Ada King";
    reading.Day = 5;
    reading.Month = "March";
    reading.Year = 2000;
    reading.Sign = FindSunSign(reading.Month, reading.Day);
    StarSignDescription(reading.Sign, reading.SunSign);
    Financial_Profile(reading.Sign, reading.Financial);
    return reading;
}

void BM_FinancialReading(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(MakeFinancialReading());
}
BENCHMARK(BM_FinancialReading);

void BM_CareerReading(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUpCareerProfile(FindSunSign("July", 5)));
}
BENCHMARK(BM_CareerReading);

void BM_PlanetReading(benchmark::State& state) {
    const Body body = static_cast<Body>(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUpSign(TableOf(body), "1971", "August", "9"));
    state.SetLabel(std::string(TableOf(body).Body));
}
BENCHMARK(BM_PlanetReading)->DenseRange(0, kBodyCount - 1);

void BM_PlanetLookup(benchmark::State& state) {
    const PlanetSignTable& table = TableOf(Body::Mercury); // the largest table
    for (auto _ : state)
        benchmark::DoNotOptimize(LookUpSign(table, "1971", "August", "9"));
}
BENCHMARK(BM_PlanetLookup);

void BM_FinancialReportComposition(benchmark::State& state) {
    const FinancialReading reading = MakeFinancialReading();
    for (auto _ : state) {
        QTextDocument document;
        InsertReportRuns(document, ComposeReport(FinancialReportEntries(reading)));
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_FinancialReportComposition)->Unit(benchmark::kMicrosecond);

void BM_CareerReportComposition(benchmark::State& state) {
    CareerReading reading{"Bob", "5", "July", "1960", "Cancer"};
    for (auto _ : state) {
        QTextDocument document;
        InsertReportRuns(document, ComposeReport(CareerReportEntries(reading)));
        benchmark::DoNotOptimize(document.characterCount());
    }
}
BENCHMARK(BM_CareerReportComposition)->Unit(benchmark::kMicrosecond);

struct Windows {
    QuietPlatform platform;
    frmMDI main{platform};
    Windows() {
        main.resize(1280, 900);
        main.show();
        QApplication::processEvents();
    }
    frmFinancialAstrologyMain* openFinancial() {
        main.cmdSelectOption_Click(0);
        return qobject_cast<frmFinancialAstrologyMain*>(main.toolWindows().last());
    }
    void settle() {
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void BM_OpenFinancialEntryWindow(benchmark::State& state) {
    Windows windows;
    for (auto _ : state) {
        windows.openFinancial();
        QApplication::processEvents(); // shown and painted
        state.PauseTiming();
        windows.main.closeAllToolWindows();
        windows.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFinancialEntryWindow)->Unit(benchmark::kMillisecond);

void BM_ProceedToResultShown(benchmark::State& state) {
    Windows windows;
    for (auto _ : state) {
        state.PauseTiming();
        frmFinancialAstrologyMain* entry = windows.openFinancial();
        entry->findChild<QLineEdit*>(QStringLiteral("txtName"))
            ->setText(QStringLiteral("Ada King"));
        windows.settle();
        state.ResumeTiming();
        entry->cmdProceed_Click();
        QApplication::processEvents();
        state.PauseTiming();
        windows.main.closeAllToolWindows();
        windows.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ProceedToResultShown)->Unit(benchmark::kMillisecond);

void BM_OpenReportWindow(benchmark::State& state) {
    Windows windows;
    frmFinancialAstrologyMain* entry = windows.openFinancial();
    entry->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Ada King"));
    entry->cmdProceed_Click();
    windows.settle();
    for (auto _ : state) {
        auto* result = qobject_cast<frmFinancialAstrologyDisplay*>(
            windows.main.loadedWindow(ReadingKind::Financial, ToolWindowRole::Result));
        result->cmdPrint_Click();
        QApplication::processEvents();
        state.PauseTiming();
        for (ToolWindow* window : windows.main.toolWindows()) {
            if (window->role() == ToolWindowRole::Report)
                window->close();
        }
        windows.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReportWindow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

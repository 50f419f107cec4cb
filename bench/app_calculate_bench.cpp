// The calculate handler at 999 periods, from the button's click to the grid
// and totals filled (and, separately, painted), beside the engine call alone,
// on the real window, headless.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "FakeAppServices.h"
#include "app/kihon.h"
#include "controls/NValEdit.h"
#include "engine/RunCalculation.h"

namespace {

using namespace kalvio;

CalcRequest request999()
{
    CalcRequest request;
    request.Principal = 1000000;
    request.RatePercent = 3;
    request.Periods = 999;
    request.CalcMode = "ganri";
    request.PeriodUnit = 1;
    return request;
}

void EngineAlone(benchmark::State &state)
{
    const CalcRequest request = request999();
    for (auto _ : state)
        benchmark::DoNotOptimize(RunCalculation(request));
}
BENCHMARK(EngineAlone)->Unit(benchmark::kMillisecond);

// One shown window for the handler benchmarks.
struct Window {
    Window() : form(services, dir.filePath(QStringLiteral("kalvio")))
    {
        form.show();
        QTest::qWaitForWindowExposed(&form);
        QTest::qWaitFor([this] { return form.activationDone(); }, 5000);
        const int values[] = {1000000, 3, 999};
        for (int n = 1; n <= 3; ++n)
            form.findChild<NValEdit *>(QStringLiteral("NValEdit%1").arg(n))->setValue(values[n - 1]);
        calculate = form.findChild<QPushButton *>(QStringLiteral("Button1"));
    }
    QTemporaryDir dir;
    FakeAppServices services;
    TForm1 form;
    QPushButton *calculate = nullptr;
};

void CalculateHandler(benchmark::State &state)
{
    Window window;
    for (auto _ : state)
        window.calculate->click();
    if (!window.services.messages.empty())
        state.SkipWithError("the request showed a message");
}
BENCHMARK(CalculateHandler)->Unit(benchmark::kMillisecond);

void CalculateHandlerAndRepaint(benchmark::State &state)
{
    Window window;
    for (auto _ : state) {
        window.calculate->click();
        window.form.repaint();
    }
}
BENCHMARK(CalculateHandlerAndRepaint)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// Time from process start to the window's first paint: the program's own
// start-up path (KalvioProgram::run, as main() runs it) beside a bare Qt
// window of the same size, each started as a fresh child process of this
// program, headless.  The child prints the monotonic clock at its first paint.
// A second baseline shows one line of Japanese text in the window's face: the
// font set-up and glyph drawing that any window with text pays and an empty
// one does not.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/FirstPaintWatch.h"
#include "app/GothicFont.h"
#include "app/KalvioProgram.h"
#include "app/kihon.h"

extern char **environ;

namespace {

constexpr const char *kKalvioChild = "--child-kalvio";
constexpr const char *kBareChild = "--child-bare";
constexpr const char *kTextChild = "--child-text";

long long monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void reportAndQuit()
{
    std::printf("%lld\n", monotonicNanoseconds());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

int runBareChild(int argc, char **argv, bool withText)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(kalvio::TForm1::OuterWidth, kalvio::TForm1::OuterHeight);
    if (withText) {
        auto *label = new QLabel(QStringLiteral("計算元本　年利 （％）　期間 （年）"), &window);
        label->setFont(kalvio::GothicFont::ofPixelSize(kalvio::GothicFont::WindowPixels));
        label->move(8, 8);
    }
    new kalvio::FirstPaintWatch(window, reportAndQuit);
    window.show();
    return QApplication::exec();
}

// Starts this program as a child in the given mode; returns the seconds from
// just before the spawn to the child's first paint, or a negative value.
double timeChild(const char *mode)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    char self[] = "/proc/self/exe";
    std::string modeArg = mode;
    char *args[] = {self, modeArg.data(), nullptr};

    const long long start = monotonicNanoseconds();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while (spawned == 0 && (got = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        output.append(buffer, static_cast<std::size_t>(got));
    close(pipeFds[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || output.empty())
        return -1;
    return static_cast<double>(std::atoll(output.c_str()) - start) / 1e9;
}

void StartToFirstPaint(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        const double seconds = timeChild(mode);
        if (seconds < 0) {
            state.SkipWithError("the child did not report its first paint");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

BENCHMARK_CAPTURE(StartToFirstPaint, bare_qt_window, kBareChild)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartToFirstPaint, bare_qt_window_with_text, kTextChild)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(StartToFirstPaint, kalvio_window, kKalvioChild)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

} // namespace

int main(int argc, char **argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (argc == 2 && std::strcmp(argv[1], kKalvioChild) == 0) {
        int childArgc = 1;
        return kalvio::KalvioProgram::run(childArgc, argv, [](kalvio::TForm1 &) { reportAndQuit(); });
    }
    if (argc == 2 && (std::strcmp(argv[1], kBareChild) == 0 || std::strcmp(argv[1], kTextChild) == 0)) {
        int childArgc = 1;
        return runBareChild(childArgc, argv, std::strcmp(argv[1], kTextChild) == 0);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

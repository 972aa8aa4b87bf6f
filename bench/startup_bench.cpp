// Start-up against its floor: starts the bare dialog (bare_dialog) and the program (velnor)
// alternately as new processes on the current display, times each from process start to its
// first frame on the screen, and reports both medians and their ratio.
//
//   startup_bench [--runs=N] [benchmark flags]     N runs of each, 20 by default
//
// Both programs write "first frame" once their first frame has been sent to the screen (the
// program under VELNOR_QUIT_AFTER_FIRST_FRAME) and then close. A run's time is taken from
// just before the process is spawned to that line; both get one untimed run first, so that
// neither pays for a cold disk cache, and both keep their settings in a fresh directory, so the
// program opens at its default size and the user's own settings are not touched.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

double bareMedianMs = 0;
double velnorMedianMs = 0;
int runs = 20;

// Milliseconds from spawning `program` to its "first frame" line; negative when it ended or
// failed without one.
double MsToFirstFrame(const std::string& program) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string seen;
    char buffer[256];
    ssize_t n = 0;
    while (spawned == 0 && seen.find("first frame\n") == std::string::npos &&
           (n = read(out[0], buffer, sizeof buffer)) > 0)
        seen.append(buffer, static_cast<size_t>(n));
    const auto end = std::chrono::steady_clock::now();
    close(out[0]);
    if (spawned != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    if (seen.find("first frame\n") == std::string::npos)
        return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The interleaved runs; false with a message when a program could not be timed.
bool Measure() {
    namespace fs = std::filesystem;
    const fs::path bin = fs::read_symlink("/proc/self/exe").parent_path();
    // The program reads Velnor.dkt from its working directory; without it, it would wait on
    // its error message.
    fs::current_path(bin);
    if (!fs::exists("Velnor.dkt")) {
        std::fprintf(stderr, "startup_bench: no Velnor.dkt in %s\n", bin.c_str());
        return false;
    }
    char settings[] = "/tmp/velnor-startup-XXXXXX";
    if (!mkdtemp(settings)) {
        std::perror("mkdtemp");
        return false;
    }
    // Settings and kept renders in a fresh folder: the user's own are not touched, and the
    // untimed first run below leaves what every timed run finds, as a later start does.
    setenv("XDG_CONFIG_HOME", settings, 1);
    setenv("XDG_CACHE_HOME", settings, 1);
    const std::string bare = (bin / "bare_dialog").string();
    const std::string velnor = (bin / "velnor").string();
    auto velnorRun = [&velnor] {
        setenv("VELNOR_QUIT_AFTER_FIRST_FRAME", "1", 1);
        const double ms = MsToFirstFrame(velnor);
        unsetenv("VELNOR_QUIT_AFTER_FIRST_FRAME");
        return ms;
    };
    std::vector<double> bareMs;
    std::vector<double> velnorMs;
    bool ok = MsToFirstFrame(bare) >= 0 && velnorRun() >= 0;
    for (int i = 0; ok && i < runs; ++i) {
        bareMs.push_back(MsToFirstFrame(bare));
        velnorMs.push_back(velnorRun());
        ok = bareMs.back() >= 0 && velnorMs.back() >= 0;
    }
    fs::remove_all(settings);
    if (!ok) {
        std::fprintf(stderr,
                     "startup_bench: %s or %s showed no first frame (is there a display?)\n",
                     bare.c_str(), velnor.c_str());
        return false;
    }
    bareMedianMs = Median(bareMs);
    velnorMedianMs = Median(velnorMs);
    return true;
}

void Report(benchmark::State& state, double medianMs) {
    for (auto _ : state)
        state.SetIterationTime(medianMs / 1000.0);
    state.counters["median_ms"] = medianMs;
    state.counters["runs"] = runs;
}

void BM_BareDialogToFirstFrame(benchmark::State& state) {
    Report(state, bareMedianMs);
}
BENCHMARK(BM_BareDialogToFirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_VelnorToFirstFrame(benchmark::State& state) {
    Report(state, velnorMedianMs);
    state.counters["ratio"] = velnorMedianMs / bareMedianMs;
}
BENCHMARK(BM_VelnorToFirstFrame)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0) {
            runs = std::max(1, std::atoi(argv[i] + 7));
            std::copy(argv + i + 1, argv + argc + 1, argv + i);
            --argc;
            --i;
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv) || !Measure())
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("First frame, median of %d interleaved runs: bare dialog %.1f ms, velnor %.1f ms, "
                "ratio %.2f\n",
                runs, bareMedianMs, velnorMedianMs, velnorMedianMs / bareMedianMs);
    return 0;
}

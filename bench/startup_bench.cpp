// startup_bench.cpp: the game's start-up against a bare window, side by side in one run.
// Each round starts both probes (in alternating order) and takes the time from just before
// the process is spawned to the line it prints once its window is painted, and the memory
// that line gives. startup_bench [ROUNDS [GAME BARE [LAUNCHER]]]: the Qt probes beside it by
// default; the Windows probes through `wine` for the Windows build.
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Sample {
    double milliseconds;
    double mebibytes;
};

double monotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

bool runProbe(const std::vector<std::string>& command, Sample& sample)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const double start = monotonicSeconds();
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        return false;
    }
    std::string text;
    double paintedAt = 0;
    char buffer[256];
    // Up to the line only: under Wine, the services a first program starts hold the pipe open.
    for (ssize_t n; paintedAt == 0 && (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.find('\n') != std::string::npos)
            paintedAt = monotonicSeconds();
    }
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    long kib = 0;
    if (paintedAt == 0 || std::sscanf(text.c_str(), "%ld", &kib) != 1)
        return false;
    sample = {(paintedAt - start) * 1000.0, static_cast<double>(kib) / 1024.0};
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void report(const char* name, const std::vector<Sample>& samples, double& timeMedian,
            double& memoryMedian)
{
    std::vector<double> times, memories;
    for (const Sample& s : samples) {
        times.push_back(s.milliseconds);
        memories.push_back(s.mebibytes);
    }
    timeMedian = median(times);
    memoryMedian = median(memories);
    std::printf("%-8s first paint: median %7.1f ms (min %7.1f, max %7.1f)   "
                "memory: median %6.1f MiB (min %6.1f, max %6.1f)\n",
                name, timeMedian, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), memoryMedian,
                *std::min_element(memories.begin(), memories.end()),
                *std::max_element(memories.begin(), memories.end()));
}

} // namespace

int main(int argc, char* argv[])
{
    const std::string folder =
        argc > 0 ? std::string(argv[0]).substr(0, std::string(argv[0]).rfind('/') + 1) : "./";
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<std::string> game{folder + "startup_probe_game"};
    std::vector<std::string> bare{folder + "startup_probe_bare"};
    const char* bareName = "bare Qt";
    if (argc > 3) {
        game = {argv[2]};
        bare = {argv[3]};
        bareName = "bare";
    }
    if (argc > 4) {
        game.insert(game.begin(), argv[4]);
        bare.insert(bare.begin(), argv[4]);
    }

    // One unmeasured start of each, so that both find the libraries in the page cache.
    Sample warmup{};
    if (!runProbe(game, warmup) || !runProbe(bare, warmup)) {
        std::fprintf(stderr, "startup_bench: a probe failed to start or to paint\n");
        return 1;
    }
    std::vector<Sample> gameSamples, bareSamples;
    for (int round = 0; round < rounds; ++round) {
        Sample g{}, b{};
        const bool ok = round % 2 ? (runProbe(bare, b) && runProbe(game, g))
                                  : (runProbe(game, g) && runProbe(bare, b));
        if (!ok) {
            std::fprintf(stderr, "startup_bench: a probe failed in round %d\n", round);
            return 1;
        }
        gameSamples.push_back(g);
        bareSamples.push_back(b);
    }
    double gameTime = 0, gameMemory = 0, bareTime = 0, bareMemory = 0;
    std::printf("Start-up to first paint, %d rounds:\n", rounds);
    report("Torvelle", gameSamples, gameTime, gameMemory);
    report(bareName, bareSamples, bareTime, bareMemory);
    std::printf("ratio    time %.2fx   memory %.2fx\n", gameTime / bareTime,
                gameMemory / bareMemory);
    return 0;
}

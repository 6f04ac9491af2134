// Start-up benchmark: starts the program offscreen with --quit-when-shown a number of times and
// reports the time from process start to the shown main window and the peak memory.
//   zq410_startup_bench [runs] [path of zq410]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

long long monotonicNanoseconds()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

struct Run
{
    double shownMs = 0;
    double peakMb = 0;
};

bool runOnce(const std::string &program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    const long long start = monotonicNanoseconds();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0)
            dup2(null, STDERR_FILENO);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(program.c_str(), program.c_str(), "--quit-when-shown", static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = read(out[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    const size_t at = text.find("shown-at-ns ");
    if (at == std::string::npos)
        return false;
    const long long shown = std::atoll(text.c_str() + at + 12);
    run.shownMs = double(shown - start) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    std::string program;
    if (argc > 2) {
        program = argv[2];
    } else {
        program = argv[0];
        const size_t slash = program.rfind('/');
        program = (slash == std::string::npos ? std::string(".") : program.substr(0, slash)) + "/zq410";
    }
    std::vector<Run> results;
    for (int i = 0; i < runs; ++i) {
        Run r;
        if (!runOnce(program, r)) {
            std::fprintf(stderr, "run %d of %s failed\n", i + 1, program.c_str());
            return 1;
        }
        results.push_back(r);
    }
    std::vector<double> times;
    double peak = 0;
    for (const Run &r : results) {
        times.push_back(r.shownMs);
        peak = std::max(peak, r.peakMb);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("start-up to shown main window, %d runs (offscreen): min %.1f ms, median %.1f ms, max %.1f ms\n",
                runs, times.front(), median, times.back());
    std::printf("peak memory (max resident set): %.1f MB\n", peak);
    std::printf("goal: under 300 ms and under 60 MB: %s\n", median < 300.0 && peak < 60.0 ? "met" : "NOT met");
    return 0;
}

// zq410-radiosim: a simulated ZQ-410 behind a pseudo-terminal. Prints the device path on the
// first line of standard output and answers the programming protocol until it is stopped.

#include "RadioSim.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <string>
#include <termios.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void onSignal(int)
{
    stopRequested = 1;
}

int64_t nowMicro()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000 + ts.tv_nsec / 1000;
}

void usage(FILE *to)
{
    std::fputs("usage: zq410-radiosim [options]\n"
               "  --image FILE        1 KiB memory image, loaded when it exists and saved after every\n"
               "                      session and at exit (default: an unprogrammed radio, not kept)\n"
               "  --code CODE         model code the radio reports (5917 UHF, 5918 VHF, or any other)\n"
               "  --line-timing       take the byte times of 9600 baud 8N2 in both directions\n"
               "  --echo              send a stray byte before the wake-up's acknowledge\n"
               "  --split N           send answers in pieces of N bytes, 3 ms apart\n"
               "  --silent-after N    answer no command after the first N\n"
               "  --bad-ack N         answer the N-th acknowledge exchange with 0x15\n"
               "  --log FILE          write every command frame received, in hex, one per line\n",
               to);
}

bool numberArg(const char *text, long &value)
{
    char *end = nullptr;
    errno = 0;
    value = std::strtol(text, &end, 10);
    return errno == 0 && end && *end == '\0' && value >= 0;
}

} // namespace

int main(int argc, char **argv)
{
    RadioSim::Options options;
    std::string imagePath;
    std::string logPath;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](const char *name) -> const char * {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "zq410-radiosim: %s needs a value\n", name);
                std::exit(2);
            }
            return argv[++i];
        };
        long n = 0;
        if (a == "--image") {
            imagePath = value("--image");
        } else if (a == "--code") {
            options.modelCode = value("--code");
        } else if (a == "--line-timing") {
            options.lineTiming = true;
        } else if (a == "--echo") {
            options.echo = true;
        } else if (a == "--split" && numberArg(value("--split"), n) && n > 0) {
            options.split = int(n);
        } else if (a == "--silent-after" && numberArg(value("--silent-after"), n)) {
            options.silentAfter = n;
        } else if (a == "--bad-ack" && numberArg(value("--bad-ack"), n) && n > 0) {
            options.badAck = n;
        } else if (a == "--log") {
            logPath = value("--log");
        } else if (a == "--help" || a == "-h") {
            usage(stdout);
            return 0;
        } else {
            std::fprintf(stderr, "zq410-radiosim: unknown or invalid option %s\n", a.c_str());
            usage(stderr);
            return 2;
        }
    }

    RadioSim radio(options);
    if (!imagePath.empty() && access(imagePath.c_str(), F_OK) == 0 && !radio.loadImage(imagePath)) {
        std::fprintf(stderr, "zq410-radiosim: %s is not a 1024-byte memory image\n", imagePath.c_str());
        return 1;
    }
    FILE *log = nullptr;
    if (!logPath.empty() && !(log = std::fopen(logPath.c_str(), "w"))) {
        std::fprintf(stderr, "zq410-radiosim: cannot write %s: %s\n", logPath.c_str(), std::strerror(errno));
        return 1;
    }

    const int master = posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) {
        std::fprintf(stderr, "zq410-radiosim: no pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const char *slaveName = ptsname(master);
    // Holding the other side open keeps the terminal alive while the program closes and
    // reopens its port; raw mode keeps every byte as it is.
    const int slave = slaveName ? open(slaveName, O_RDWR | O_NOCTTY) : -1;
    if (slave < 0) {
        std::fprintf(stderr, "zq410-radiosim: cannot open the terminal side: %s\n", std::strerror(errno));
        return 1;
    }
    termios raw {};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    tcsetattr(slave, TCSANOW, &raw);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    struct sigaction sa {};
    sa.sa_handler = onSignal;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGHUP, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    // Answers leave on time, not up to the default 50 microseconds late.
    prctl(PR_SET_TIMERSLACK, 1UL, 0, 0, 0);

    std::printf("%s\n", slaveName);
    std::fflush(stdout);

    uint8_t buffer[512];
    while (!stopRequested) {
        int64_t now = nowMicro();
        radio.advance(now);
        for (std::vector<uint8_t> out = radio.takeOutput(now); !out.empty(); out = radio.takeOutput(now)) {
            ssize_t written = 0;
            while (written < ssize_t(out.size())) {
                const ssize_t w = write(master, out.data() + written, out.size() - size_t(written));
                if (w < 0 && errno != EAGAIN && errno != EINTR)
                    break;
                if (w > 0)
                    written += w;
            }
        }
        for (const std::string &line : radio.takeLog())
            if (log) {
                std::fprintf(log, "%s\n", line.c_str());
                std::fflush(log);
            }
        if (radio.sessionEnded() && !imagePath.empty())
            radio.saveImage(imagePath);

        now = nowMicro();
        const int64_t again = radio.advance(now);
        timespec timeout {};
        timespec *wait = nullptr;
        const int64_t due = again;
        if (due >= 0) {
            const int64_t delta = std::max<int64_t>(0, due - now);
            timeout.tv_sec = time_t(delta / 1000000);
            timeout.tv_nsec = long(delta % 1000000) * 1000;
            wait = &timeout;
        }
        pollfd pfd {master, POLLIN, 0};
        const int ready = ppoll(&pfd, 1, wait, nullptr);
        if (ready > 0 && (pfd.revents & POLLIN)) {
            const ssize_t got = read(master, buffer, sizeof buffer);
            if (got > 0)
                radio.receive(buffer, size_t(got), nowMicro());
        }
    }
    if (!imagePath.empty())
        radio.saveImage(imagePath);
    if (log)
        std::fclose(log);
    close(slave);
    close(master);
    return 0;
}

#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// A radio of the family as the programming cable sees it: a 1 KiB memory behind the
// wake-up, identity, acknowledge, read ("R"), write ("W", "Y") and end ("E") commands.
// Time is passed in from outside (microseconds), so that the line's byte times can be
// emulated and the radio can be driven without a clock.
class RadioSim
{
public:
    struct Options
    {
        std::string modelCode = "5917";
        bool lineTiming = false;   // 9600 baud 8N2: every byte takes 11/9600 s each way
        bool echo = false;         // a stray byte before the wake-up's acknowledge
        int split = 0;             // answers in pieces of this many bytes, 3 ms apart
        long silentAfter = -1;     // answers no command after this many
        long badAck = 0;           // the n-th acknowledge exchange is answered wrongly
    };

    static constexpr int MemorySize = 1024;
    static constexpr int64_t ByteTime = 11 * 1000000 / 9600; // microseconds, rounded down
    static constexpr int64_t SplitGap = 3000;

    explicit RadioSim(const Options &options);

    // An unprogrammed radio: 0xFF everywhere but the identity record (model code, band).
    void resetMemory();
    bool loadImage(const std::string &path);
    bool saveImage(const std::string &path) const;
    std::array<uint8_t, MemorySize> &memory() { return m_memory; }

    // Bytes that came in from the computer at this time.
    void receive(const uint8_t *bytes, size_t count, int64_t now);
    // Handles whatever is due by now; returns the time of the next thing due, or -1.
    int64_t advance(int64_t now);
    // Answer bytes due by now, to be written to the line.
    std::vector<uint8_t> takeOutput(int64_t now);

    // Command frames seen, as hex text ("52 00 10 08"), in order.
    std::vector<std::string> takeLog();
    bool sessionEnded() { bool e = m_ended; m_ended = false; return e; }
    long commands() const { return m_commands; }

private:
    struct Timed
    {
        int64_t due;
        uint8_t byte;
    };
    void handle(uint8_t byte, int64_t at);
    void command(const std::vector<uint8_t> &frame, int64_t at);
    void answer(const std::vector<uint8_t> &bytes, int64_t at);
    void log(const std::vector<uint8_t> &frame);

    Options m_options;
    std::array<uint8_t, MemorySize> m_memory {};
    std::deque<Timed> m_in;
    std::deque<Timed> m_out;
    int64_t m_inFree = 0;  // when the line from the computer is next free
    int64_t m_outFree = 0; // when the line to the computer is next free
    int64_t m_lastByte = -1;

    enum class Mode { Idle, WakeUp, AwaitIdentity, Program };
    Mode m_mode = Mode::Idle;
    size_t m_wakeIndex = 0;
    std::vector<uint8_t> m_frame;
    long m_commands = 0;
    long m_acks = 0;
    bool m_ended = false;
    std::vector<std::string> m_log;
};

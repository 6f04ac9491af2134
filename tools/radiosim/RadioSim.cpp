#include "RadioSim.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {
constexpr uint8_t STX = 0x02;
constexpr uint8_t ACK = 0x06;
constexpr uint8_t NAK = 0x15;
constexpr char Program[] = "PROGRAM";
constexpr int64_t FrameGap = 50000; // a frame broken off for this long is dropped
constexpr int IdentityAddress = 0x03D0;
} // namespace

RadioSim::RadioSim(const Options &options) : m_options(options)
{
    m_options.modelCode.resize(4, ' ');
    resetMemory();
}

void RadioSim::resetMemory()
{
    m_memory.fill(0xFF);
    const std::string &code = m_options.modelCode;
    uint8_t *id = m_memory.data() + IdentityAddress;
    id[0] = 0x00;
    id[1] = 0x00;
    id[2] = code == "5918" ? 0xF0 : 0xF4; // the model's default band
    id[3] = uint8_t(code[3]);
    id[4] = uint8_t(code[2]);
    id[5] = uint8_t(code[1]);
    id[6] = uint8_t(code[0]);
    id[7] = 'P';
}

bool RadioSim::loadImage(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() != size_t(MemorySize))
        return false;
    std::copy(bytes.begin(), bytes.end(), m_memory.begin());
    return true;
}

bool RadioSim::saveImage(const std::string &path) const
{
    const std::string temp = path + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char *>(m_memory.data()), MemorySize);
        if (!out)
            return false;
    }
    return std::rename(temp.c_str(), path.c_str()) == 0;
}

void RadioSim::receive(const uint8_t *bytes, size_t count, int64_t now)
{
    for (size_t i = 0; i < count; ++i) {
        int64_t due = now;
        if (m_options.lineTiming) {
            m_inFree = std::max(now, m_inFree) + ByteTime;
            due = m_inFree;
        }
        m_in.push_back({due, bytes[i]});
    }
}

int64_t RadioSim::advance(int64_t now)
{
    while (!m_in.empty() && m_in.front().due <= now) {
        const Timed t = m_in.front();
        m_in.pop_front();
        handle(t.byte, t.due);
    }
    int64_t next = -1;
    if (!m_in.empty())
        next = m_in.front().due;
    if (!m_out.empty() && (next < 0 || m_out.front().due < next))
        next = m_out.front().due;
    return next;
}

std::vector<uint8_t> RadioSim::takeOutput(int64_t now)
{
    std::vector<uint8_t> bytes;
    if (m_out.empty() || m_out.front().due > now)
        return bytes;
    // Bytes due at different times go out in separate writes, so that they arrive apart.
    const int64_t due = m_out.front().due;
    while (!m_out.empty() && m_out.front().due == due) {
        bytes.push_back(m_out.front().byte);
        m_out.pop_front();
    }
    return bytes;
}

std::vector<std::string> RadioSim::takeLog()
{
    std::vector<std::string> log;
    log.swap(m_log);
    return log;
}

void RadioSim::handle(uint8_t byte, int64_t at)
{
    if (!m_frame.empty() && m_lastByte >= 0 && at - m_lastByte > FrameGap)
        m_frame.clear();
    m_lastByte = at;
    switch (m_mode) {
    case Mode::Idle:
        if (byte == STX) {
            m_mode = Mode::WakeUp;
            m_wakeIndex = 0;
        }
        return;
    case Mode::WakeUp:
        if (byte == uint8_t(Program[m_wakeIndex])) {
            if (++m_wakeIndex == 7) {
                std::vector<uint8_t> frame {STX};
                frame.insert(frame.end(), Program, Program + 7);
                command(frame, at);
            }
        } else {
            m_wakeIndex = 0;
            m_mode = byte == STX ? Mode::WakeUp : Mode::Idle;
        }
        return;
    case Mode::AwaitIdentity:
    case Mode::Program:
        break;
    }
    if (m_frame.empty()) {
        // The identity query comes right after the wake-up; any later 0x02 begins a new one.
        if (byte == STX && m_mode == Mode::Program) {
            m_mode = Mode::WakeUp;
            m_wakeIndex = 0;
            return;
        }
        m_mode = Mode::Program;
        switch (byte) {
        case STX:
        case ACK:
        case 'E':
            command({byte}, at);
            return;
        case 'R':
        case 'W':
        case 'Y':
            m_frame.push_back(byte);
            return;
        default:
            return;
        }
    }
    m_frame.push_back(byte);
    const size_t length = m_frame[0] == 'R' ? 4 : 12;
    if (m_frame.size() == length) {
        const std::vector<uint8_t> frame = m_frame;
        m_frame.clear();
        command(frame, at);
    }
}

void RadioSim::command(const std::vector<uint8_t> &frame, int64_t at)
{
    log(frame);
    ++m_commands;
    if (m_options.silentAfter >= 0 && m_commands > m_options.silentAfter)
        return;
    const uint8_t first = frame[0];
    if (frame.size() == 8 && first == STX) {
        m_mode = Mode::AwaitIdentity;
        if (m_options.echo)
            answer({uint8_t('M'), ACK}, at);
        else
            answer({ACK}, at);
        return;
    }
    if (first == STX) {
        const std::string &c = m_options.modelCode;
        answer({uint8_t('P'), uint8_t(c[0]), uint8_t(c[1]), uint8_t(c[2]), uint8_t(c[3]), 0x00, 0x00, 0x00}, at);
        return;
    }
    if (first == ACK) {
        ++m_acks;
        answer({m_acks == m_options.badAck ? NAK : ACK}, at);
        return;
    }
    if (first == 'E') {
        m_mode = Mode::Idle;
        m_ended = true;
        return;
    }
    const int address = ((frame[1] << 8) | frame[2]) & (MemorySize - 1);
    const int count = std::min<int>(frame[3], 8);
    if (first == 'R') {
        std::vector<uint8_t> reply {'W', frame[1], frame[2], frame[3]};
        for (int i = 0; i < count; ++i)
            reply.push_back(m_memory[(address + i) % MemorySize]);
        answer(reply, at);
        return;
    }
    for (int i = 0; i < count; ++i)
        m_memory[(address + i) % MemorySize] = frame[4 + i];
    answer({ACK}, at);
}

void RadioSim::answer(const std::vector<uint8_t> &bytes, int64_t at)
{
    int64_t t = at;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (m_options.split > 0 && i > 0 && i % size_t(m_options.split) == 0)
            t += SplitGap;
        if (m_options.lineTiming) {
            m_outFree = std::max(t, m_outFree) + ByteTime;
            m_out.push_back({m_outFree, bytes[i]});
        } else {
            m_out.push_back({t, bytes[i]});
        }
    }
}

void RadioSim::log(const std::vector<uint8_t> &frame)
{
    std::string text;
    char hex[4];
    for (uint8_t b : frame) {
        std::snprintf(hex, sizeof hex, text.empty() ? "%02X" : " %02X", b);
        text += hex;
    }
    m_log.push_back(text);
}

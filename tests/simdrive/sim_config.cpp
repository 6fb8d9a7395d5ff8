#include "sim_config.h"

#include <cstdlib>
#include <sstream>

namespace simdrive {
namespace {

// Splits a line into words; "quoted text" is one word, quotes removed.
std::vector<std::string> Words(const std::string& line)
{
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i >= line.size() || line[i] == '#')
            break;
        std::string word;
        if (line[i] == '"') {
            size_t end = line.find('"', i + 1);
            if (end == std::string::npos)
                end = line.size();
            word = line.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r')
                word += line[i++];
        }
        words.push_back(word);
    }
    return words;
}

int32_t Number(const std::string& word) { return static_cast<int32_t>(std::strtol(word.c_str(), nullptr, 0)); }

AudioRegion Region(AudioRegion::Kind kind, const std::vector<std::string>& w)
{
    AudioRegion r;
    r.kind = kind;
    r.from = Number(w[1]);
    r.to = Number(w[2]);
    return r;
}

std::string Padded(std::string text, size_t size)
{
    text.resize(size, ' ');
    return text;
}

}  // namespace

std::string ParseConfig(const std::string& text, Config& config)
{
    config = Config{};
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const std::vector<std::string> w = Words(line);
        if (w.empty())
            continue;
        const std::string& key = w[0];
        Device* device = config.devices.empty() ? nullptr : &config.devices.back();
        auto bad = [&] { return "line " + std::to_string(lineNumber) + ": " + line; };

        if (key == "adapters" && w.size() == 2) {
            config.adapters = Number(w[1]);
        } else if (key == "immediate" && (w.size() == 1 || (w.size() == 2 && w[1] == "signal"))) {
            config.immediate = true;
            config.immediateSignal = w.size() == 2;
        } else if (key == "device" && w.size() == 4) {
            Device d;
            d.adapter = Number(w[1]);
            d.target = Number(w[2]);
            d.lun = Number(w[3]);
            config.devices.push_back(d);
        } else if (!device) {
            return bad();
        } else if (key == "type" && w.size() == 2) {
            device->type = Number(w[1]);
        } else if (key == "vendor" && w.size() == 2) {
            device->vendor = Padded(w[1], 8);
        } else if (key == "product" && w.size() == 2) {
            device->product = Padded(w[1], 16);
        } else if (key == "track" && w.size() == 4) {
            device->tracks.push_back({Number(w[1]), Number(w[2]), w[3] == "data"});
        } else if (key == "leadout" && w.size() == 2) {
            device->leadOut = Number(w[1]);
        } else if (key == "nodisc" && w.size() == 1) {
            device->disc = false;
        } else if (key == "tocraw") {
            for (size_t i = 1; i < w.size(); ++i)
                device->rawToc.push_back(static_cast<uint8_t>(std::strtoul(w[i].c_str(), nullptr, 16)));
        } else if (key == "fault" && w.size() >= 3) {
            Fault f;
            f.op = w[1];
            f.mode = w[2];
            size_t i = 3;
            if (i + 1 < w.size() && w[i] != "times" && w[i] != "delay" && w[i] != "sense") {
                f.from = Number(w[i]);
                f.to = Number(w[i + 1]);
                i += 2;
            }
            while (i + 1 < w.size()) {
                if (w[i] == "times") {
                    f.times = Number(w[i + 1]);
                    i += 2;
                } else if (w[i] == "delay") {
                    f.delayMs = Number(w[i + 1]);
                    i += 2;
                } else if (w[i] == "sense" && i + 3 < w.size()) {
                    f.senseKey = Number(w[i + 1]);
                    f.asc = Number(w[i + 2]);
                    f.ascq = Number(w[i + 3]);
                    i += 4;
                } else {
                    return bad();
                }
            }
            if (i != w.size())
                return bad();
            device->faults.push_back(f);
        } else if (key == "jitter" && w.size() == 4) {
            device->jitters.push_back({Number(w[1]), Number(w[2]), Number(w[3])});
        } else if (key == "wander" && w.size() == 5 && Number(w[3]) >= 0 && Number(w[3]) <= 100 &&
                   Number(w[4]) > 0) {
            device->wanders.push_back({Number(w[1]), Number(w[2]), Number(w[3]), Number(w[4])});
        } else if (key == "seed" && w.size() == 2) {
            device->random.state = std::strtoull(w[1].c_str(), nullptr, 0);
        } else if (key == "image" && w.size() == 2) {
            device->audio.SetImage(w[1]);
        } else if (key == "silence" && w.size() == 3) {
            device->audio.AddRegion(Region(AudioRegion::Kind::Silence, w));
        } else if (key == "constant" && w.size() == 4) {
            AudioRegion r = Region(AudioRegion::Kind::Constant, w);
            r.word = static_cast<uint32_t>(std::strtoul(w[3].c_str(), nullptr, 0));
            device->audio.AddRegion(r);
        } else if (key == "period" && w.size() == 4 && Number(w[3]) > 0) {
            AudioRegion r = Region(AudioRegion::Kind::Period, w);
            r.frames = Number(w[3]);
            device->audio.AddRegion(r);
        } else if (key == "sine" && w.size() == 5) {
            AudioRegion r = Region(AudioRegion::Kind::Sine, w);
            r.hz = std::strtod(w[3].c_str(), nullptr);
            r.amplitude = std::strtod(w[4].c_str(), nullptr);
            device->audio.AddRegion(r);
        } else {
            return bad();
        }
    }
    return {};
}

int64_t LandingError(Device& device, int32_t lba)
{
    int64_t bytes = 0;
    for (const Jitter& j : device.jitters)
        if (lba >= j.from && lba <= j.to) {
            bytes += j.bytes;
            break;
        }
    for (const Wander& w : device.wanders)
        if (lba >= w.from && lba <= w.to) {
            if (int(device.random.Next() % 100) < w.percent) {
                const uint64_t draw = device.random.Next();
                const int64_t frames = 1 + int64_t((draw >> 1) % uint64_t(w.maxFrames));
                bytes += (draw & 1) ? 4 * frames : -4 * frames;
            }
            break;
        }
    return bytes;
}

std::vector<uint8_t> BuildTocAnswer(const Device& device, size_t size)
{
    std::vector<uint8_t> answer(size > 4 ? size : 4, 0);
    if (!device.rawToc.empty()) {
        for (size_t i = 0; i < device.rawToc.size() && i < answer.size(); ++i)
            answer[i] = device.rawToc[i];
        answer.resize(size);
        return answer;
    }
    std::vector<uint8_t> full(4);
    auto put = [&](uint8_t control, uint8_t number, int32_t lba) {
        const uint32_t u = static_cast<uint32_t>(lba);
        const uint8_t d[8] = {0, control, number, 0, uint8_t(u >> 24), uint8_t(u >> 16),
                              uint8_t(u >> 8), uint8_t(u)};
        full.insert(full.end(), d, d + 8);
    };
    for (const TocRow& row : device.tracks)
        put(row.data ? 0x14 : 0x10, static_cast<uint8_t>(row.number), row.lba);
    const bool lastIsData = !device.tracks.empty() && device.tracks.back().data;
    put(lastIsData ? 0x14 : 0x10, 0xAA, device.leadOut);
    const size_t length = full.size() - 2;
    full[0] = static_cast<uint8_t>(length >> 8);
    full[1] = static_cast<uint8_t>(length);
    full[2] = device.tracks.empty() ? 0 : static_cast<uint8_t>(device.tracks.front().number);
    full[3] = device.tracks.empty() ? 0 : static_cast<uint8_t>(device.tracks.back().number);
    for (size_t i = 0; i < full.size() && i < size; ++i)
        answer[i] = full[i];
    answer.resize(size);
    return answer;
}

}  // namespace simdrive

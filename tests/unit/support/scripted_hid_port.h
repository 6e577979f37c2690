#pragma once
// A command interface for tests: records every report the host sends and answers reads
// from a script. Unscripted reads get nothing (feature reports stay as the host cleared
// them, input reports time out). It can refuse the feature report or output report of a
// given place in the order sent (counted from 0), as a mouse that went away does.

#include <algorithm>
#include <cstdint>
#include <deque>
#include <vector>

#include "platform/hid_port.h"

namespace zalvane::test {

using Bytes = std::vector<std::uint8_t>;

class ScriptedHidPort final : public platform::HidPort {
public:
    bool SendFeatureReport(std::span<const std::uint8_t> report) override
    {
        features.emplace_back(report.begin(), report.end());
        return features.size() - 1 != refuseFeature;
    }

    bool GetFeatureReport(std::span<std::uint8_t> report) override
    {
        featureReadSizes.push_back(report.size());
        if (featureReplies.empty()) {
            return false;
        }
        Serve(featureReplies, report);
        return true;
    }

    bool WriteOutputReport(std::span<const std::uint8_t> report) override
    {
        outputs.emplace_back(report.begin(), report.end());
        return outputs.size() - 1 != refuseOutput;
    }

    std::optional<std::size_t> ReadInputReport(std::span<std::uint8_t> buffer, std::chrono::milliseconds) override
    {
        inputReadSizes.push_back(buffer.size());
        if (inputReports.empty()) {
            return 0;
        }
        return Serve(inputReports, buffer);
    }

    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    std::size_t refuseFeature = kNone;
    std::size_t refuseOutput = kNone;
    // Scripted answers, served in order.
    std::deque<Bytes> featureReplies;
    std::deque<Bytes> inputReports;
    // What the host did.
    std::vector<Bytes> features;
    std::vector<Bytes> outputs;
    std::vector<std::size_t> featureReadSizes;
    std::vector<std::size_t> inputReadSizes;

private:
    // Copies the next answer, cut to the buffer as a driver would.
    static std::size_t Serve(std::deque<Bytes>& queue, std::span<std::uint8_t> buffer)
    {
        const Bytes next = queue.front();
        queue.pop_front();
        const std::size_t count = std::min(next.size(), buffer.size());
        std::copy_n(next.begin(), count, buffer.begin());
        return count;
    }
};

// The feature report a mouse answers with: report ID 0, packet bytes 0-6, checksum.
inline Bytes ReplyReport(std::uint8_t code, std::uint8_t byte1, std::uint8_t length)
{
    Bytes report = {0, code, byte1, length, 0, 0, 0, 0, 0};
    report[8] = static_cast<std::uint8_t>(0xFF - ((code + byte1 + length) & 0xFF));
    return report;
}

}  // namespace zalvane::test

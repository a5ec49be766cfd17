// The music platform of the tests: records every call and answers MCI commands from a script.
// Unscripted commands succeed with an empty reply, as reply-less MCI commands do.
#pragma once

#include "saver/music/core/MusicPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <vector>

namespace velmora::testing {

class FakeMusicPlatform : public music::MusicPlatform {
public:
    struct Answer {
        int32_t code = 0;
        // Written into the reply buffer when there is one; none leaves the buffer untouched.
        std::optional<std::string> reply = std::string();
    };
    struct Sent {
        std::string command;
        uint32_t capacity;
        bool operator==(const Sent&) const = default;
    };
    struct Sound {
        std::optional<std::string> name;
        uint32_t flags;
        bool operator==(const Sound&) const = default;
    };

    // Answers are used in order; the last one keeps answering.
    void script(const std::string& command, Answer answer) {
        answers_[command].push_back(std::move(answer));
    }
    void succeed(const std::string& command, const std::string& reply) {
        script(command, {0, reply});
    }
    void fail(const std::string& command, int32_t code) { script(command, {code, std::nullopt}); }

    std::vector<std::string> commands() const {
        std::vector<std::string> texts;
        for (const auto& s : sent) {
            texts.push_back(s.command);
        }
        return texts;
    }
    int count(const std::string& command) const {
        const std::vector<std::string> texts = commands();
        return static_cast<int>(std::count(texts.begin(), texts.end(), command));
    }
    // Neither a command nor a sound reached the platform.
    bool silent() const { return sent.empty() && sounds.empty(); }

    int32_t sendString(const std::string& command, char* reply, uint32_t capacity) override {
        sent.push_back({command, capacity});
        EXPECT_EQ(reply == nullptr, capacity == 0) << command;
        Answer answer;
        if (auto found = answers_.find(command); found != answers_.end()) {
            answer = found->second.front();
            if (found->second.size() > 1) {
                found->second.pop_front();
            }
        }
        if (reply != nullptr && capacity > 0 && answer.reply) {
            const size_t length = std::min<size_t>(answer.reply->size(), capacity - 1);
            std::memcpy(reply, answer.reply->data(), length);
            reply[length] = '\0';
        }
        return answer.code;
    }

    bool errorString(int32_t code, char* buffer, uint32_t capacity) override {
        errorCapacities.push_back(capacity);
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) {
            return false;
        }
        std::snprintf(buffer, capacity, "%s", found->second.c_str());
        return true;
    }

    void playSound(const std::string* name, uint32_t flags) override {
        sounds.push_back({name ? std::optional<std::string>(*name) : std::nullopt, flags});
    }

    int32_t waveOutDeviceCount() override { return waveDevices; }

    // A path is its own command form unless the test gives another, or none.
    std::optional<std::string> commandPath(const std::string& path) override {
        const auto found = commandPaths.find(path);
        return found == commandPaths.end() ? path : found->second;
    }

    std::vector<Sent> sent;
    std::map<int32_t, std::string> errorTexts;
    std::vector<uint32_t> errorCapacities;
    std::vector<Sound> sounds;
    int32_t waveDevices = 1;
    std::map<std::string, std::optional<std::string>> commandPaths;

private:
    std::map<std::string, std::deque<Answer>> answers_;
};

} // namespace velmora::testing

// File helpers of the settings tests under Wine: a temporary folder and raw file bytes.
#pragma once

#include "saver/text/AnsiText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <windows.h>

// A new folder below the temporary folder, removed with all it holds at the end of the test.
class TempFolder {
public:
    TempFolder() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::filesystem::path(temp) /
                  (L"velmora settings " + std::to_wstring(GetCurrentProcessId()) + L"-" +
                   std::to_wstring(++count_));
        std::filesystem::create_directories(folder_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The UTF-8 path of the folder, or of a name inside it.
    std::string path() const { return velmora::text::fromWide(folder_.wstring()); }
    std::string operator/(const std::string& name) const { return path() + "\\" + name; }

private:
    std::filesystem::path folder_;
    static inline int count_ = 0;
};

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(std::filesystem::path(velmora::text::toWide(path)),
                       std::ios::binary | std::ios::trunc);
    file << bytes;
    ASSERT_TRUE(file.good()) << path;
}

inline std::string readBytes(const std::string& path) {
    std::ifstream file(std::filesystem::path(velmora::text::toWide(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A folder a test writes into, removed with all it holds when the test is done.
#pragma once

#include <string>

namespace velmora::testing {

class ScratchFolder {
public:
    // A new folder named after the prefix, unique to this process, inside parent (UTF-8), or
    // inside the temporary folder when parent is empty.
    explicit ScratchFolder(const std::string& prefix, const std::string& parent = {});
    // This very folder, made with the folders above it.
    static ScratchFolder at(const std::string& path);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    // The new owner removes the folder; the old one no longer does.
    ScratchFolder(ScratchFolder&& other) noexcept;

    // The UTF-8 path of the folder, or of a name inside it.
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const;

private:
    struct Exact {};
    ScratchFolder(Exact, std::string path);

    std::string path_;
};

} // namespace velmora::testing

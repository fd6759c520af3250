#include "Files.h"

#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace fs = std::filesystem;

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() /
            ("inventari-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void WriteFile(const std::string& path, const std::string& contents) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out << contents;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ScopedFile::ScopedFile(std::string path, std::optional<std::string> contents) : path_(std::move(path)) {
    if (fs::exists(path_)) saved_ = ReadFile(path_);
    replace(std::move(contents));
}

ScopedFile::~ScopedFile() {
    try {
        replace(saved_);
    } catch (...) {
    }
}

void ScopedFile::replace(std::optional<std::string> contents) {
    if (contents) {
        WriteFile(path_, *contents);
    } else {
        std::error_code ignored;
        fs::remove(path_, ignored);
    }
}

std::string BuildPath(const std::string& relative) {
    return (fs::path(INVENTARI_BINARY_DIR) / relative).string();
}

}  // namespace testsupport

#pragma once
#include <string>

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string readFile(const std::string& path);

// Writes the bytes to the file, replacing it.
void writeFile(const std::string& path, const std::string& bytes);

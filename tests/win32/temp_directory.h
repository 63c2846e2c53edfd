// A fresh directory under the platform's temporary folder, removed with everything in it.
#pragma once

#include <string>

class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // With a trailing backslash, like the program's own directory.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The Windows form of a path of the build (Wine shows the Unix root as drive Z:).
std::string WindowsPath(std::string path);
// A key's value in an INI file, as the program's own profile functions read it; "<none>" when
// the key is missing.
std::string ProfileValue(const std::string& file, const std::string& section, const char* key);

#include "temp_directory.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

void RemoveTree(const std::string& directory) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            std::string path = directory + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(directory.c_str());
}

}  // namespace

TempDirectory::TempDirectory() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        std::ostringstream name;
        name << base << "wt-test-" << GetCurrentProcessId() << '-' << GetTickCount() << '-'
             << ++counter;
        if (CreateDirectoryA(name.str().c_str(), nullptr)) {
            m_path = name.str() + "\\";
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            throw std::runtime_error("cannot create " + name.str());
        }
    }
}

TempDirectory::~TempDirectory() {
    RemoveTree(m_path);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string WindowsPath(std::string path) {
    for (char& c : path) {
        c = c == '/' ? '\\' : c;
    }
    return path.size() > 1 && path[1] == ':' ? path : "Z:" + path;
}

std::string ProfileValue(const std::string& file, const std::string& section, const char* key) {
    char value[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key, "<none>", value, sizeof value, file.c_str());
    return value;
}

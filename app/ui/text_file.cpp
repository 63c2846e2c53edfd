#include "ui/text_file.h"

#include <cstdio>
#include <memory>

bool ReadTextFile(const std::string& path, std::string& text, std::size_t largest) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) {
        return false;
    }
    text.clear();
    char buffer[1 << 16];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (text.size() + read > largest) {
            text.clear();
            return false;
        }
        text.append(buffer, read);
    }
    return std::ferror(file.get()) == 0;
}

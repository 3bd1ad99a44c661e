#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

// A folder of real files made by a test: what they hold decides their type, not their names.
class MadeFiles {
public:
    explicit MadeFiles(const std::string& purpose = "files")
        : dir_(std::filesystem::temp_directory_path() /
               ("lumbrafix-" + purpose + "-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(dir_);
    }
    ~MadeFiles() { std::filesystem::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Png(const std::string& name) const {
        return Write(
            name,
            std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\0\x01\0\0\0\x01\x08\x06\0\0\0", 29));
    }
    std::string Pdf(const std::string& name) const {
        return Write(name, "%PDF-1.4\n1 0 obj\n<< /Type /Catalog >>\nendobj\ntrailer\n%%EOF\n");
    }
    std::string Elf(const std::string& name) const {
        std::filesystem::copy_file("/proc/self/exe", Path(name));
        return Path(name);
    }

private:
    std::filesystem::path dir_;
};

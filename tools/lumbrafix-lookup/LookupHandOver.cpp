#include "LookupHandOver.h"

#include <unistd.h>
#include <filesystem>

#include <cerrno>
#include <cstring>

#include "LookupArguments.h"

int HandFilesOver(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
                  std::FILE* out, std::FILE* err) {
    const std::string program = (programFolder / kLookupFilesProgram).string();
    std::vector<std::string> words = {program, "--file"};
    if (arguments.json) {
        words.emplace_back("--json");
    }
    words.emplace_back("--");
    words.insert(words.end(), arguments.files.begin(), arguments.files.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    std::fflush(out);
    ::execv(program.c_str(), argv.data());
    std::fprintf(err, "lumbrafix-lookup: %s: %s\n", program.c_str(), std::strerror(errno));
    return kLookupWrongUsage;
}

#include "LookupCommand.h"

#include "LookupArguments.h"
#include "LookupOutput.h"
#include "lookup/LookupDatabase.h"
#include "text/AnsiCodePage.h"
#include "text/ProgramVersion.h"

const char* const kLookupHelp =
    "Usage: lumbrafix-lookup [-t TYPE] [-p PROGRAM] [--and] [--json] [EXTENSION]\n"
    "       lumbrafix-lookup [--json] --file FILE...\n"
    "Searches the Lumbrafix extension database as the window does: each term is found\n"
    "anywhere in its field, a to z in any case; a line matches any term unless --and\n"
    "asks for all. Prints one line a hit: extension, file type, program and platform,\n"
    "separated by tabs.\n"
    "With --file, tells for each FILE the database lines of its exact extension, the type\n"
    "its name suggests, the type and description its content shows, a warning when the\n"
    "two disagree, and the applications that open it here, the default first.\n"
    "\n"
    "  -t, --type TYPE        file-type term\n"
    "  -p, --program PROGRAM  program term\n"
    "  --and                  every term must match (default: any)\n"
    "  --json                 print one JSON array of objects\n"
    "  --file                 examine the named files\n"
    "  --help                 print this help\n"
    "  --version              print the version\n"
    "\n"
    "Exit status: 0 hits (every FILE examined), 1 no hit (a FILE missing or unreadable),\n"
    "2 wrong usage or no readable database.\n";

namespace {

int Search(const TLookupArguments& arguments, const TStringList& database, std::FILE* out) {
    const TSearchTerms terms{Utf8ToAnsi(arguments.terms.extension),
                             Utf8ToAnsi(arguments.terms.fileType),
                             Utf8ToAnsi(arguments.terms.program)};
    const THitList hits = FindMatchingLines(database, terms, arguments.andLinking);
    PrintHits(hits, arguments.json, out);
    return hits.empty() ? kLookupNothing : kLookupFound;
}

int Examine(const TLookupArguments& arguments, const TStringList& database, std::FILE* out,
            std::FILE* err) {
    TContentReader reader;
    std::vector<TFileFacts> files;
    int status = kLookupFound;
    for (const std::string& file : arguments.files) {
        try {
            files.push_back(ExamineFile(file, database, reader));
        } catch (const EFileUnreadable& error) {
            std::fprintf(err, "lumbrafix-lookup: %s: %s\n", file.c_str(), error.what());
            status = kLookupNothing;
        }
    }
    PrintFiles(files, arguments.json, out);
    return status;
}

int Run(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
        std::FILE* out, std::FILE* err) {
    TStringList database;
    try {
        database = LoadDatabaseLines(programFolder);
    } catch (const Exception& error) {
        std::fprintf(err, "lumbrafix-lookup: database: %s\n", AnsiToUtf8(error.Message()).c_str());
        return kLookupWrongUsage;
    }
    return arguments.files.empty() ? Search(arguments, database, out)
                                   : Examine(arguments, database, out, err);
}

}  // namespace

int RunLookup(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
              std::FILE* out, std::FILE* err) {
    TLookupArguments parsed;
    try {
        parsed = ParseLookupArguments(arguments);
    } catch (const ELookupUsage& error) {
        std::fprintf(err, "lumbrafix-lookup: %s\nTry 'lumbrafix-lookup --help'.\n", error.what());
        return kLookupWrongUsage;
    }
    if (parsed.help) {
        std::fputs(kLookupHelp, out);
        return kLookupFound;
    }
    if (parsed.version) {
        std::fprintf(out, "lumbrafix-lookup %s\n", LUMBRAFIX_VERSION);
        return kLookupFound;
    }
    return Run(parsed, programFolder, out, err);
}

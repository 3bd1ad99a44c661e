#include "LookupCommand.h"
#include "text/ProgramVersion.h"

#include "LookupArguments.h"
#include "LookupOutput.h"
#include "lookup/LookupDatabase.h"
#include "text/AnsiCodePage.h"

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

void ReportDatabaseError(const Exception& error, std::FILE* err) {
    std::fprintf(err, "lumbrafix-lookup: database: %s\n", AnsiToUtf8(error.Message()).c_str());
}

namespace {

int Search(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
           std::FILE* out, std::FILE* err) {
    TPlainText database;
    try {
        database = LoadDatabaseText(programFolder);
    } catch (const Exception& error) {
        ReportDatabaseError(error, err);
        return kLookupWrongUsage;
    }
    const TSearchTerms terms{Utf8ToAnsi(arguments.terms.extension),
                             Utf8ToAnsi(arguments.terms.fileType),
                             Utf8ToAnsi(arguments.terms.program)};
    const THitList hits = FindMatchingLines(database.View(), terms, arguments.andLinking);
    PrintHits(hits, arguments.json, out);
    return hits.empty() ? kLookupNothing : kLookupFound;
}

}  // namespace

int RunLookup(const std::vector<std::string>& arguments, const std::filesystem::path& programFolder,
              std::FILE* out, std::FILE* err, TExamineFiles examineFiles) {
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
    return parsed.files.empty() ? Search(parsed, programFolder, out, err)
                                : examineFiles(parsed, programFolder, out, err);
}

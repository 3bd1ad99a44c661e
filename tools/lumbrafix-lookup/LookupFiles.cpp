#include "LookupFiles.h"

#include "LookupArguments.h"
#include "LookupFileOutput.h"
#include "lookup/LookupDatabase.h"

int ExamineFiles(const TLookupArguments& arguments, const std::filesystem::path& programFolder,
                 std::FILE* out, std::FILE* err) {
    TStringList database;
    try {
        database = LoadDatabaseLines(programFolder);
    } catch (const Exception& error) {
        ReportDatabaseError(error, err);
        return kLookupWrongUsage;
    }
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

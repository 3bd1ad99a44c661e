#pragma once

#include <string>
#include <vector>

#include "db/ExtensionDatabase.h"
#include "db/SearchEngine.h"
#include "lookup/ContentType.h"
#include "lookup/DesktopApplications.h"

// Everything the program says about one file: what the database knows of its extension,
// what its name and its content say it is, whether they disagree, and what opens it here.
struct TFileFacts {
    std::string file;       // the name as given (a file-system name, UTF-8)
    std::string extension;  // ".gz" for "a.tar.gz"; empty when the name has none
    THitList records;       // database lines (ANSI) with exactly that extension
    std::string nameType;
    TContentType content;
    bool mismatch = false;
    std::vector<TDesktopApplication> applications;  // for the content's type, default first
};

// Raises EFileUnreadable for a file that is missing or can't be read. The records point into
// `database`, which must outlive the result.
TFileFacts ExamineFile(const std::string& path, const TStringList& database,
                       TContentReader& reader);

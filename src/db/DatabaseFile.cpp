#include "db/DatabaseFile.h"

std::string DatabaseFileIn(const std::string& folder) {
    return folder + kDatabaseFileName;
}

std::string DatabaseFileToRead(const std::string& programFolder) {
    return DatabaseFileIn(programFolder);
}

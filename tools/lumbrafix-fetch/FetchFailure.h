#pragma once

#include <exception>
#include <string>

// What went wrong with a fetch, in English words that name the cause, for a failure raised by
// the download, the size limit, the database check or the file system.
struct FetchContext {
    int timeoutSeconds = 0;
    bool bodyStarted = false;  // the response head had been read
};
std::string DescribeFetchFailure(const std::exception& error, const FetchContext& context);

#pragma once

#include <string>
#include <vector>

#include "db/SearchEngine.h"
#include "platform/Exceptions.h"

// A command line that can't be run; the message is the one-line reason, in UTF-8.
class ELookupUsage : public Exception {
public:
    using Exception::Exception;
};

// What "lumbrafix-lookup [-t TYPE] [-p PROGRAM] [--and] [--json] [EXTENSION]" or
// "lumbrafix-lookup [--json] --file FILE..." asks for.
struct TLookupArguments {
    TSearchTerms terms;  // as typed, in UTF-8
    bool andLinking = false;
    bool json = false;
    bool help = false;
    bool version = false;
    std::vector<std::string> files;  // with --file: the files to examine
};

// Raises ELookupUsage for an unknown option, an option without its value, a second
// EXTENSION, a search without any term, --file without FILE or with search terms.
TLookupArguments ParseLookupArguments(const std::vector<std::string>& arguments);

#include "LookupArguments.h"
#include "text/TrimControls.h"

namespace {

struct RawArguments {
    TLookupArguments parsed;
    bool fileMode = false;
    std::vector<std::string> operands;
};

const std::string& ValueOf(const std::vector<std::string>& arguments, std::size_t& i) {
    if (i + 1 >= arguments.size()) {
        throw ELookupUsage(arguments[i] + " needs a value");
    }
    return arguments[++i];
}

// Takes one option; false when `argument` is none of ours.
bool TakeOption(const std::vector<std::string>& arguments, std::size_t& i, RawArguments& raw) {
    const std::string& argument = arguments[i];
    if (argument == "-t" || argument == "--type") {
        raw.parsed.terms.fileType = ValueOf(arguments, i);
    } else if (argument == "-p" || argument == "--program") {
        raw.parsed.terms.program = ValueOf(arguments, i);
    } else if (argument == "--and") {
        raw.parsed.andLinking = true;
    } else if (argument == "--json") {
        raw.parsed.json = true;
    } else if (argument == "--file") {
        raw.fileMode = true;
    } else if (argument == "--help" || argument == "-h") {
        raw.parsed.help = true;
    } else if (argument == "--version") {
        raw.parsed.version = true;
    } else {
        return false;
    }
    return true;
}

RawArguments ReadArguments(const std::vector<std::string>& arguments) {
    RawArguments raw;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
            raw.operands.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (!TakeOption(arguments, i, raw)) {
            throw ELookupUsage("unknown option " + argument);
        }
    }
    return raw;
}

void CheckFileMode(RawArguments& raw) {
    const TSearchTerms& terms = raw.parsed.terms;
    if (!terms.fileType.empty() || !terms.program.empty() || raw.parsed.andLinking) {
        throw ELookupUsage("--file takes no -t, -p or --and");
    }
    if (raw.operands.empty()) {
        throw ELookupUsage("--file needs at least one FILE");
    }
    raw.parsed.files = std::move(raw.operands);
}

void CheckSearchMode(RawArguments& raw) {
    TSearchTerms& terms = raw.parsed.terms;
    if (raw.operands.size() > 1) {
        throw ELookupUsage("one EXTENSION at the most, got " + std::to_string(raw.operands.size()));
    }
    if (!raw.operands.empty()) {
        terms.extension = raw.operands.front();
    }
    if (TrimControls(terms.extension).empty() && TrimControls(terms.fileType).empty() &&
        TrimControls(terms.program).empty()) {
        throw ELookupUsage("no search term: give EXTENSION, -t TYPE or -p PROGRAM");
    }
}

}  // namespace

TLookupArguments ParseLookupArguments(const std::vector<std::string>& arguments) {
    RawArguments raw = ReadArguments(arguments);
    if (raw.parsed.help || raw.parsed.version) {
        return raw.parsed;
    }
    if (raw.fileMode) {
        CheckFileMode(raw);
    } else {
        CheckSearchMode(raw);
    }
    return raw.parsed;
}

#include "FetchArguments.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

constexpr int kLongestTimeoutSeconds = 24 * 60 * 60;

// A whole number from 1 to `maximum`, or a usage error naming the option.
std::int64_t PositiveNumber(const std::string& option, const std::string& text,
                            std::int64_t maximum) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < 1 || value > maximum) {
        throw EFetchUsage(FormatMessage("%s needs a whole number from 1 to %lld, not '%s'",
                                        option.c_str(), static_cast<long long>(maximum),
                                        text.c_str()));
    }
    return value;
}

// The value of an option given as "--name=VALUE" or as "--name VALUE".
std::string OptionValue(const std::vector<std::string>& arguments, std::size_t& i,
                        const std::string& name) {
    const std::string& argument = arguments[i];
    if (argument.size() > name.size()) {
        return argument.substr(name.size() + 1);
    }
    if (++i == arguments.size()) {
        throw EFetchUsage(name + " needs a value");
    }
    return arguments[i];
}

bool IsOption(const std::string& argument, const std::string& name) {
    return argument == name || argument.rfind(name + "=", 0) == 0;
}

}  // namespace

FetchArguments ParseFetchArguments(const std::vector<std::string>& arguments) {
    FetchArguments parsed;
    if (std::find(arguments.begin(), arguments.end(), "--help") != arguments.end()) {
        parsed.help = true;
        return parsed;
    }
    std::vector<std::string> operands;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "-v" || argument == "--verbose") {
            parsed.verbose = true;
        } else if (argument == "--database") {
            parsed.database = true;
        } else if (IsOption(argument, "--timeout")) {
            parsed.timeoutSeconds = static_cast<int>(PositiveNumber(
                "--timeout", OptionValue(arguments, i, "--timeout"), kLongestTimeoutSeconds));
        } else if (IsOption(argument, "--max-size")) {
            parsed.maxSize = PositiveNumber("--max-size", OptionValue(arguments, i, "--max-size"),
                                            std::numeric_limits<std::int64_t>::max());
        } else if (argument.size() > 1 && argument.front() == '-') {
            throw EFetchUsage("unknown option " + argument);
        } else {
            operands.push_back(argument);
        }
    }
    if (operands.size() != 2) {
        throw EFetchUsage("expected URL and FILE");
    }
    parsed.url = operands[0];
    parsed.file = operands[1];
    return parsed;
}

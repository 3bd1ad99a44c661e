#include "FetchCommand.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "net/IdException.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/ReplaceFile.h"
#include "text/AnsiCodePage.h"

const char* const kFetchHelp =
    "Usage: lumbrafix-fetch [-v] URL FILE\n"
    "Fetches URL over HTTP the way the database update does (same request lines, no\n"
    "redirects) and writes the body to FILE. FILE changes only when the whole body\n"
    "arrived; on any failure it stays as it was.\n"
    "\n"
    "  -v       also print status texts and progress (work) events as they happen\n"
    "  --help   print this help\n"
    "\n"
    "Prints the status line. Exit status: 0 done, 1 the fetch failed, 2 wrong usage.\n";

namespace {

struct FetchArguments {
    bool help = false;
    bool verbose = false;
    std::vector<std::string> operands;
};

FetchArguments ParseArguments(const std::vector<std::string>& arguments) {
    FetchArguments parsed;
    for (const std::string& argument : arguments) {
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (argument == "-v" || argument == "--verbose") {
            parsed.verbose = true;
        } else {
            parsed.operands.push_back(argument);
        }
    }
    return parsed;
}

// The class name of an error as the program declares it, e.g. "EIdHTTPProtocolException".
std::string ClassName(const std::exception& error) {
    int status = 0;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(typeid(error).name(), nullptr, nullptr, &status), std::free);
    return status == 0 ? name.get() : typeid(error).name();
}

void PrintEvents(TIdHTTP& http, std::FILE* out) {
    http.OnStatus = [out](TIdComponent&, TIdStatus, const std::string& text) {
        std::fprintf(out, "status: %s\n", AnsiToUtf8(text).c_str());
    };
    http.OnWorkBegin = [out](TIdComponent&, TWorkMode mode, std::int64_t maximum) {
        std::fprintf(out, "work begin %s %lld\n", mode == wmRead ? "read" : "write",
                     static_cast<long long>(maximum));
    };
    http.OnWork = [out](TIdComponent&, TWorkMode mode, std::int64_t count) {
        std::fprintf(out, "work %s %lld\n", mode == wmRead ? "read" : "write",
                     static_cast<long long>(count));
    };
    http.OnWorkEnd = [out](TIdComponent&, TWorkMode mode) {
        std::fprintf(out, "work end %s\n", mode == wmRead ? "read" : "write");
    };
}

int Fetch(const std::string& url, const std::string& file, bool verbose, std::FILE* out,
          std::FILE* err) {
    TIdHTTP http;
    ApplyUpdateSettings(http);
    if (verbose) {
        PrintEvents(http, out);
    }
    try {
        ReplaceFile(file, [&](TStream& destination) { http.Get(url, destination); });
        std::fprintf(out, "%s\n", AnsiToUtf8(http.ResponseText()).c_str());
        http.Disconnect();
        return kFetchOk;
    } catch (const Exception& error) {
        if (!http.ResponseText().empty()) {
            std::fprintf(out, "%s\n", AnsiToUtf8(http.ResponseText()).c_str());
        }
        std::fprintf(err, "lumbrafix-fetch: %s: %s\n", ClassName(error).c_str(),
                     AnsiToUtf8(error.Message()).c_str());
        http.Disconnect();
        return kFetchFailed;
    }
}

}  // namespace

int RunFetch(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    const FetchArguments parsed = ParseArguments(arguments);
    if (parsed.help) {
        std::fputs(kFetchHelp, out);
        return kFetchOk;
    }
    if (parsed.operands.size() != 2) {
        std::fprintf(err,
                     "lumbrafix-fetch: expected URL and FILE\nTry 'lumbrafix-fetch --help'.\n");
        return kFetchWrongUsage;
    }
    return Fetch(parsed.operands[0], parsed.operands[1], parsed.verbose, out, err);
}

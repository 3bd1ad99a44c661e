#include "FetchCommand.h"

#include "FetchArguments.h"
#include "FetchFailure.h"
#include "db/DatabaseUpdate.h"
#include "net/IdHTTP.h"
#include "net/UpdateSettings.h"
#include "platform/BoundedStream.h"
#include "platform/ReplaceFile.h"
#include "text/AnsiCodePage.h"

const char* const kFetchHelp =
    "Usage: lumbrafix-fetch [--timeout SECONDS] [--max-size BYTES] [--database] [-v] URL FILE\n"
    "Fetches URL over HTTP the way the database update does (same request lines, no\n"
    "redirects) and writes the body to FILE. FILE changes only when the whole body\n"
    "arrived; on any failure it stays as it was.\n"
    "\n"
    "  --timeout SECONDS  limit for connecting and receiving the response head together,\n"
    "                     and for a silence during the body (default 30)\n"
    "  --max-size BYTES   refuse a body larger than this, before FILE grows past it\n"
    "                     (default 67108864, 64 MiB)\n"
    "  --database         write FILE only when the body is a database Lumbrafix loads\n"
    "  -v                 also print status texts and progress (work) events as they happen\n"
    "  --help             print this help\n"
    "\n"
    "Prints the status line; a failure is told on standard error with its cause.\n"
    "Exit status: 0 done, 1 the fetch failed, 2 wrong usage.\n";

namespace {

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

// Notes when the first body begins, for telling a late head from a silent body.
void WatchForTheBody(TIdHTTP& http, FetchContext& context) {
    http.OnWorkBegin = [&context, print = http.OnWorkBegin](TIdComponent& sender, TWorkMode mode,
                                                            std::int64_t maximum) {
        context.bodyStarted = true;
        if (print) {
            print(sender, mode, maximum);
        }
    };
}

void FetchInto(TIdHTTP& http, const FetchArguments& arguments) {
    const auto transfer = [&](TStream& destination) {
        TBoundedStream bounded(destination, arguments.maxSize);
        http.Get(arguments.url, bounded);
    };
    if (arguments.database) {
        ReceiveDatabaseFile(arguments.file, transfer);
    } else {
        ReplaceFile(arguments.file, transfer);
    }
}

int Fetch(const FetchArguments& arguments, std::FILE* out, std::FILE* err) {
    TIdHTTP http;
    ApplyUpdateSettings(http);
    http.ReadTimeout = arguments.timeoutSeconds * 1000;
    http.HeadTimeout = arguments.timeoutSeconds * 1000;
    if (arguments.verbose) {
        PrintEvents(http, out);
    }
    FetchContext context{arguments.timeoutSeconds, false};
    WatchForTheBody(http, context);
    try {
        FetchInto(http, arguments);
        std::fprintf(out, "%s\n", AnsiToUtf8(http.ResponseText()).c_str());
        http.Disconnect();
        return kFetchOk;
    } catch (const std::exception& error) {
        if (!http.ResponseText().empty()) {
            std::fprintf(out, "%s\n", AnsiToUtf8(http.ResponseText()).c_str());
        }
        std::fprintf(err, "lumbrafix-fetch: %s; %s is unchanged\n",
                     DescribeFetchFailure(error, context).c_str(), arguments.file.c_str());
        http.Disconnect();
        return kFetchFailed;
    }
}

}  // namespace

int RunFetch(const std::vector<std::string>& arguments, std::FILE* out, std::FILE* err) {
    FetchArguments parsed;
    try {
        parsed = ParseFetchArguments(arguments);
    } catch (const EFetchUsage& error) {
        std::fprintf(err, "lumbrafix-fetch: %s\nTry 'lumbrafix-fetch --help'.\n",
                     error.Message().c_str());
        return kFetchWrongUsage;
    }
    if (parsed.help) {
        std::fputs(kFetchHelp, out);
        return kFetchOk;
    }
    return Fetch(parsed, out, err);
}

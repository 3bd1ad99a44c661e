#include "net/IdURI.h"

#include <algorithm>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Text before and after the first occurrence of a separator; all text is "before" without one.
std::pair<std::string, std::string> SplitAt(const std::string& text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos) {
        return {text, {}};
    }
    return {text.substr(0, at), text.substr(at + 1)};
}

// Cuts "#bookmark" off a part; true when it held one.
bool TakeBookmark(std::string& part, std::string& bookmark) {
    const std::size_t hash = part.find('#');
    if (hash == std::string::npos) {
        return false;
    }
    bookmark = part.substr(hash + 1);
    part.erase(hash);
    return true;
}

std::vector<std::string> Segments(const std::string& path) {
    std::vector<std::string> segments;
    std::size_t from = 0;
    while (from <= path.size()) {
        const std::size_t slash = std::min(path.find('/', from), path.size());
        if (slash > from) {
            segments.push_back(path.substr(from, slash - from));
        }
        from = slash + 1;
    }
    return segments;
}

}  // namespace

TIdURI::TIdURI(std::string uri) {
    std::replace(uri.begin(), uri.end(), '\\', '/');
    const std::size_t scheme = uri.find("://");
    if (scheme == std::string::npos) {
        SplitResource(uri, false);
        return;
    }
    Protocol = uri.substr(0, scheme);
    const auto [authority, resource] = SplitAt(uri.substr(scheme + 3), '/');
    SplitAuthority(authority);
    SplitResource(resource, true);
}

void TIdURI::SplitAuthority(const std::string& authority) {
    std::string hostPort = authority;
    const std::size_t at = authority.rfind('@');
    if (at != std::string::npos) {
        std::tie(Username, Password) = SplitAt(authority.substr(0, at), ':');
        hostPort = authority.substr(at + 1);
    }
    std::tie(Host, Port) = SplitAt(hostPort, ':');
}

void TIdURI::SplitResource(const std::string& resource, bool absolute) {
    std::size_t split = resource.find('?');
    if (split == std::string::npos) {
        split = resource.find('=');
    }
    const std::string beforeParams = resource.substr(0, split);
    Params = split == std::string::npos ? std::string() : resource.substr(split);
    const std::size_t lastSlash = beforeParams.rfind('/');
    const std::size_t documentStart = lastSlash == std::string::npos ? 0 : lastSlash + 1;
    Path = beforeParams.substr(0, documentStart);
    if (absolute) {
        Path.insert(Path.begin(), '/');
    }
    Document = beforeParams.substr(documentStart);
    if (!absolute || !TakeBookmark(Document, Bookmark)) {
        TakeBookmark(Params, Bookmark);
    }
}

std::string TIdURI::MergePaths(const std::string& base, const std::string& relative) {
    if (!relative.empty() && relative.front() == '/') {
        return relative;
    }
    std::string joined = base;
    if (joined.empty() || joined.back() != '/') {
        joined += '/';
    }
    joined += relative;
    std::vector<std::string> kept;
    for (std::string& segment : Segments(joined)) {
        if (segment == "..") {
            if (!kept.empty()) {
                kept.pop_back();
            }
        } else {
            kept.push_back(std::move(segment));
        }
    }
    std::string merged;
    for (const std::string& segment : kept) {
        merged += '/' + segment;
    }
    const bool keepTrailingSlash = relative.empty() || relative.back() == '/';
    if (merged.empty() || keepTrailingSlash) {
        merged += '/';
    }
    return merged;
}

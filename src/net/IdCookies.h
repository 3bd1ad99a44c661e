#pragma once

#include <ctime>
#include <map>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <vector>

// One cookie as a server set it: "name=value; path=/; expires=...; domain=...; secure".
// Attributes other than these four are ignored.
struct TIdCookie {
    // Parses a Set-Cookie value; the host is the domain when the value names none.
    static TIdCookie Parse(const std::string& text, const std::string& host);

    std::string Name;
    std::string Value;
    std::string Path;  // a cookie without one is never sent
    std::string Expires;
    std::string Domain;
    bool Secure = false;
};

// The cookies of a client, grouped by their domain text. Readers share the store, writers
// have it alone.
class TIdCookies {
public:
    // Replaces the data of a cookie of the same name in the same domain, or adds it.
    void Store(const TIdCookie& cookie);
    // Drops the cookies whose expiry date has passed.
    void RemoveExpired(std::time_t now);
    // The cookies for a request: those of every domain found in the host, whose path begins
    // the request's path, with a value and not secure, ordered by path.
    std::vector<TIdCookie> Select(const std::string& host, const std::string& path) const;

private:
    // The cookies of one domain in the order they came, found by name without a search.
    struct Group {
        std::vector<TIdCookie> cookies;
        std::unordered_map<std::string, std::size_t> byName;
    };

    mutable std::shared_mutex lock_;
    std::map<std::string, Group> domains_;
};

// The cookie store of an HTTP client: takes the Set-Cookie values of responses and makes the
// Cookie header of requests.
class TIdCookieManager {
public:
    // Stores the cookie of a Set-Cookie value received from the host, unless its domain does
    // not belong to that host.
    void AddCookie(const std::string& text, const std::string& host);
    // "name=value; name=value" for a request, empty when no cookie goes with it.
    std::string CookieHeader(const std::string& host, const std::string& path);

    TIdCookies& Cookies() { return cookies_; }

private:
    TIdCookies cookies_;
};

// True when a cookie's domain may be set by the host: for an address only the address itself,
// for a name the name itself or, with a leading ".", the name without its first label.
bool CookieDomainValid(const std::string& domain, const std::string& host);

#include "net/IdCookies.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <mutex>

#include "net/IdDateTime.h"
#include "net/IdHeaderList.h"

namespace {

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string Unquoted(const std::string& text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        return text.substr(1, text.size() - 2);
    }
    return text;
}

std::vector<std::string> Items(const std::string& text) {
    std::vector<std::string> items;
    std::size_t from = 0;
    for (;;) {
        const std::size_t semicolon = text.find(';', from);
        items.push_back(Trim(text.substr(from, semicolon - from)));
        if (semicolon == std::string::npos) {
            return items;
        }
        from = semicolon + 1;
    }
}

bool IsIPv4(const std::string& host) {
    int dots = 0;
    for (const char c : host) {
        if (c == '.') {
            ++dots;
        } else if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return dots == 3;
}

bool ContainsText(const std::string& text, const std::string& part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

bool PathBefore(const TIdCookie& a, const TIdCookie& b) {
    return std::lexicographical_compare(a.Path.begin(), a.Path.end(), b.Path.begin(), b.Path.end(),
                                        [](char x, char y) {
                                            return std::tolower(static_cast<unsigned char>(x)) <
                                                   std::tolower(static_cast<unsigned char>(y));
                                        });
}

}  // namespace

TIdCookie TIdCookie::Parse(const std::string& text, const std::string& host) {
    TIdCookie cookie;
    const std::vector<std::string> items = Items(text);
    const std::size_t equals = items.front().find('=');
    cookie.Name = items.front().substr(0, equals);
    cookie.Value = equals == std::string::npos ? std::string() : items.front().substr(equals + 1);
    for (std::size_t i = 1; i < items.size(); ++i) {
        const std::size_t at = items[i].find('=');
        const std::string name = Upper(Trim(items[i].substr(0, at)));
        const std::string value = at == std::string::npos ? "" : Trim(items[i].substr(at + 1));
        if (name == "PATH") {
            cookie.Path = Unquoted(value);
        } else if (name == "EXPIRES") {
            cookie.Expires = value;
        } else if (name == "DOMAIN") {
            cookie.Domain = value;
        } else if (name == "SECURE") {
            cookie.Secure = true;
        }
    }
    if (cookie.Domain.empty()) {
        cookie.Domain = host;
    }
    return cookie;
}

bool CookieDomainValid(const std::string& domain, const std::string& host) {
    if (IsIPv4(host) || domain.empty() || domain.front() != '.') {
        return domain == host;
    }
    const std::size_t dot = host.find('.');
    return dot != std::string::npos && host.substr(dot) == domain;
}

void TIdCookies::Store(const TIdCookie& cookie) {
    const std::unique_lock<std::shared_mutex> guard(lock_);
    Group& group = domains_[cookie.Domain];
    const auto [entry, added] = group.byName.try_emplace(cookie.Name, group.cookies.size());
    if (added) {
        group.cookies.push_back(cookie);
    } else {
        group.cookies[entry->second] = cookie;
    }
}

void TIdCookies::RemoveExpired(std::time_t now) {
    const std::unique_lock<std::shared_mutex> guard(lock_);
    for (auto& [domain, group] : domains_) {
        const auto removed = std::erase_if(group.cookies, [now](const TIdCookie& cookie) {
            const auto expires = GMTToTime(cookie.Expires);
            return expires && *expires < now;
        });
        if (removed > 0) {
            group.byName.clear();
            for (std::size_t i = 0; i < group.cookies.size(); ++i) {
                group.byName.emplace(group.cookies[i].Name, i);
            }
        }
    }
}

std::vector<TIdCookie> TIdCookies::Select(const std::string& host, const std::string& path) const {
    const std::shared_lock<std::shared_mutex> guard(lock_);
    std::vector<TIdCookie> chosen;
    for (const auto& [domain, group] : domains_) {
        if (!ContainsText(host, domain)) {
            continue;
        }
        for (const TIdCookie& cookie : group.cookies) {
            if (!cookie.Path.empty() && path.starts_with(cookie.Path) && !cookie.Value.empty() &&
                !cookie.Secure) {
                chosen.push_back(cookie);
            }
        }
    }
    std::stable_sort(chosen.begin(), chosen.end(), PathBefore);
    return chosen;
}

void TIdCookieManager::AddCookie(const std::string& text, const std::string& host) {
    const TIdCookie cookie = TIdCookie::Parse(text, host);
    if (CookieDomainValid(cookie.Domain, host)) {
        cookies_.Store(cookie);
    }
}

std::string TIdCookieManager::CookieHeader(const std::string& host, const std::string& path) {
    cookies_.RemoveExpired(std::time(nullptr));
    const std::vector<TIdCookie> chosen = cookies_.Select(host, path);
    std::string header;
    // The most specific path comes first.
    for (auto cookie = chosen.rbegin(); cookie != chosen.rend(); ++cookie) {
        if (!header.empty()) {
            header += "; ";
        }
        header += cookie->Name + '=' + cookie->Value;
    }
    return header;
}

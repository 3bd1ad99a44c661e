#pragma once

#include <functional>
#include <string>

// Opens a web address in the desktop's browser. Windows call OpenInBrowser, so that a test can
// put its own opener in place of the browser.
using TBrowserOpener = std::function<void(const std::string& url)>;

void OpenInBrowser(const std::string& url);

// Puts `replacement` in place of the desktop's browser until the guard goes out of scope.
class ScopedBrowserOpener {
public:
    explicit ScopedBrowserOpener(TBrowserOpener replacement);
    ~ScopedBrowserOpener();
    ScopedBrowserOpener(const ScopedBrowserOpener&) = delete;
    ScopedBrowserOpener& operator=(const ScopedBrowserOpener&) = delete;

private:
    TBrowserOpener previous_;
};

#pragma once

class TIdHTTP;

// The one limit for connecting and receiving the response head, and the longest silence
// during the body, of a database update.
inline constexpr int kUpdateTimeoutSeconds = 30;

// Gives a client the settings of the database update, shared by the update dialog, the
// lumbrafix-fetch tool and their tests: Accept "text/html, */*", Content-Type "text/html",
// the marbelin-online user agent, redirects not followed, HTTP/1.1, and kUpdateTimeoutSeconds
// as HeadTimeout and ReadTimeout, so that no server can hold an update for ever.
void ApplyUpdateSettings(TIdHTTP& http);

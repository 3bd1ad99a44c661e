#pragma once

class TIdHTTP;

// Gives a client the settings of the database update, shared by the update dialog, the
// lumbrafix-fetch tool and their tests: Accept "text/html, */*", Content-Type "text/html",
// the marbelin-online user agent, redirects not followed, HTTP/1.1.
void ApplyUpdateSettings(TIdHTTP& http);

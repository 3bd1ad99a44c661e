#include "net/UpdateSettings.h"

#include "net/IdHTTP.h"

void ApplyUpdateSettings(TIdHTTP& http) {
    http.Request().Accept = "text/html, */*";
    http.Request().ContentType = "text/html";
    http.Request().UserAgent = "Mozilla/3.0 (compatible; marbelin-online";
    http.HandleRedirects = false;
    http.ProtocolVersion = pv1_1;
    http.HeadTimeout = kUpdateTimeoutSeconds * 1000;
    http.ReadTimeout = kUpdateTimeoutSeconds * 1000;
}

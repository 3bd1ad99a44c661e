#include "net/IdSocketErrors.h"

#include <netdb.h>

#include <cerrno>
#include <utility>

namespace {

constexpr int kHostNotFound = 11001;
constexpr int kTryAgain = 11002;

constexpr std::pair<int, int> kErrnoToWinsock[] = {
    {EINTR, 10004},           {EBADF, 10009},        {EACCES, 10013},
    {EFAULT, 10014},          {EINVAL, 10022},       {EMFILE, 10024},
    {EWOULDBLOCK, 10035},     {EINPROGRESS, 10036},  {EALREADY, 10037},
    {ENOTSOCK, 10038},        {EDESTADDRREQ, 10039}, {EMSGSIZE, 10040},
    {EPROTOTYPE, 10041},      {ENOPROTOOPT, 10042},  {EPROTONOSUPPORT, 10043},
    {ESOCKTNOSUPPORT, 10044}, {EOPNOTSUPP, 10045},   {EPFNOSUPPORT, 10046},
    {EAFNOSUPPORT, 10047},    {EADDRINUSE, 10048},   {EADDRNOTAVAIL, 10049},
    {ENETDOWN, 10050},        {ENETUNREACH, 10051},  {ENETRESET, 10052},
    {ECONNABORTED, 10053},    {ECONNRESET, 10054},   {ENOBUFS, 10055},
    {ENOMEM, 10055},          {EISCONN, 10056},      {ENOTCONN, 10057},
    {EPIPE, 10058},           {ETOOMANYREFS, 10059}, {ETIMEDOUT, 10060},
    {ECONNREFUSED, 10061},    {ELOOP, 10062},        {ENAMETOOLONG, 10063},
    {EHOSTDOWN, 10064},       {EHOSTUNREACH, 10065}, {ENOTEMPTY, 10066},
};

struct ErrorText {
    int number;
    const char* text;
};

constexpr ErrorText kErrorTexts[] = {
    {10004, "Unterbrochener Systemaufruf."},
    {10009, "Falsche Dateinummer."},
    {10013, "Zugriff verweigert."},
    {10014, "Falsche Adresse."},
    {10022,
     "Ung\xFC"
     "ltiges Argument."},
    {10024,
     "Zu viele ge\xF6"
     "ffnete Dateien."},
    {10035,
     "Die Operation w\xFC"
     "rde blockieren. "},
    {10036,
     "Die Operation wird gerade durchgef\xFC"
     "hrt."},
    {10037,
     "Die Operation wird bereits durchgef\xFC"
     "hrt."},
    {10038, "Socket-Operation auf Nicht-Socket."},
    {10039, "Zieladresse erforderlich."},
    {10040, "Die Botschaft ist zu lang."},
    {10041,
     "Das Protokoll hat f\xFC"
     "r Socket den falschen Typ."},
    {10042, "Falsche Protokolloption."},
    {10043,
     "Das Protokoll wird nicht unterst\xFC"
     "tzt."},
    {10044,
     "Sockettyp wird nicht unterst\xFC"
     "tzt."},
    {10045,
     "Die Operation wird bei Socket nicht unterst\xFC"
     "tzt."},
    {10046,
     "Die Protokollfamilie wird nicht unterst\xFC"
     "tzt."},
    {10047,
     "Die Adressfamilie wird von der Protokollfamilie nicht unterst\xFC"
     "tzt."},
    {10048, "Die Adresse ist bereits in Gebrauch."},
    {10049, "Die angeforderte Adresse kann nicht zugewiesen werden."},
    {10050, "Das Netzwerk ist ausgefallen."},
    {10051, "Das Netzwerk ist nicht erreichbar."},
    {10052,
     "Netz hat die Verbindung verloren oder zur\xFC"
     "ckgesetzt."},
    {10053, "Die Software hat den Abbruch der Verbindung verursacht."},
    {10054,
     "Die Verbindung wurde von Peer zur\xFC"
     "ckgesetzt."},
    {10055,
     "Es ist kein Pufferplatz verf\xFC"
     "gbar."},
    {10056, "Socket ist bereits verbunden."},
    {10057, "Socket ist nicht verbunden."},
    {10058,
     "Nach Schlie\xDF"
     "en des Socket kann weder gesendet noch empfangen werden."},
    {10059,
     "Zu viele Referenzen; keine Verbindungen m\xF6"
     "glich."},
    {10060,
     "Zeit\xFC"
     "berschreitung bei Verbindung."},
    {10061, "Verbindung abgelehnt."},
    {10062, "Zu viele Ebenen von symbolischen Links."},
    {10063, "Dateiname ist zu lang."},
    {10064, "Der Host ist ausgefallen."},
    {10065, "Keine Route zum Host."},
    {10066, "Verzeichnis ist nicht leer"},
    {11001, "Host nicht gefunden."},
};

}  // namespace

bool EndsTheSocket(int lastError) {
    return lastError == kSocketShutDown || lastError == kSocketConnectionAborted ||
           lastError == kSocketConnectionReset;
}

int WinsockErrorFromErrno(int errnoValue) {
    for (const auto& [system, winsock] : kErrnoToWinsock) {
        if (system == errnoValue) {
            return winsock;
        }
    }
    return errnoValue;
}

int WinsockErrorFromResolver(int resolverError) {
    return resolverError == EAI_AGAIN ? kTryAgain : kHostNotFound;
}

std::string SocketErrorText(int lastError) {
    for (const auto& entry : kErrorTexts) {
        if (entry.number == lastError) {
            return entry.text;
        }
    }
    return {};
}

#include "net/IdException.h"

#include "net/IdSocketErrors.h"

EIdConnClosedGracefully::EIdConnClosedGracefully()
    : EIdSilentException("Die Verbindung wurde erfolgreich geschlossen.") {}

EIdReadTimeout::EIdReadTimeout()
    : EIdException(
          "Zeit\xFC"
          "berschreitung beim Lesen") {}

EIdReadLnMaxLineLengthExceeded::EIdReadLnMaxLineLengthExceeded()
    : EIdException(
          "Max. Zeilenl\xE4"
          "nge \xFC"
          "berschritten.") {}

EIdNotConnected::EIdNotConnected() : EIdException("Nicht verbunden") {}

EIdConnectTimeout::EIdConnectTimeout()
    : EIdException(
          "Zeit\xFC"
          "berschreitung der Verbindung.") {}

EIdInvalidSocket::EIdInvalidSocket() : EIdException("Socket kann nicht zugewiesen werden.") {}

EIdSocketError::EIdSocketError(int lastError)
    : EIdException(
          FormatMessage("Socket-Fehler # %d\r\n%s", lastError, SocketErrorText(lastError).c_str())),
      lastError_(lastError) {}

EIdInvalidPort::EIdInvalidPort(const std::string& port)
    : EIdException(FormatMessage("Ung\xFC"
                                 "ltige Portnummer %s.",
                                 port.c_str())) {}

EIdStreamSizeError::EIdStreamSizeError(std::int64_t count)
    : EIdException(FormatMessage("Das Ziel kann %lld Bytes nicht aufnehmen.",
                                 static_cast<long long>(count))) {}

EIdIOHandlerPropInvalid::EIdIOHandlerPropInvalid()
    : EIdException(
          "Wert f\xFC"
          "r IOHandler ist ung\xFC"
          "ltig") {}

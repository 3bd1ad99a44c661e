#pragma once

#include <string>

// Socket error numbers as the components report them: the Windows sockets numbering, whatever
// system the program runs on, so that numbers and texts are the same everywhere.

inline constexpr int kSocketConnectionAborted = 10053;
inline constexpr int kSocketConnectionReset = 10054;
inline constexpr int kSocketShutDown = 10058;

// True for the numbers after which a socket is of no further use: shut down, aborted or reset.
bool EndsTheSocket(int lastError);

// The Windows sockets number for a system errno value; values without one pass unchanged.
int WinsockErrorFromErrno(int errnoValue);
// The Windows sockets number for a getaddrinfo() result.
int WinsockErrorFromResolver(int resolverError);
// The text for a Windows sockets error number; empty for numbers without one.
std::string SocketErrorText(int lastError);

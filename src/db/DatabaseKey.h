#pragma once

#include "db/LbCipher.h"

// The key of the shipped database files. It is put together byte by byte on every call, so
// that it never stands in the program as one piece.
CipherKey16 BuildDatabaseKey();

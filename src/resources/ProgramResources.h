#pragma once

#include <QImage>
#include <QString>

// Makes the pictures compiled into the program reachable under ":/"; safe to call often.
void InitProgramResources();

// A picture compiled into the program, read in the format `format` names, or else the one its
// file name ends in (".png", ".xpm"); a null image when it is missing or unreadable. Only the
// readers built into Qt are asked: the image plugins installed on the machine are never
// loaded, as Qt otherwise loads every one of them to ask it about the format, which costs the
// start-up a library load each and none of them reads the program's own pictures.
QImage ReadProgramPicture(const QString& resource, const char* format = nullptr);

#pragma once

#include <QString>

// The extension of a file named on the command line, with its dot, taken from the name's last
// part: "archive.tar.gz" gives ".gz". Empty for a name without one: "README", ".bashrc",
// "name." and "folder.d/file" have none.
QString ExtensionOfFile(const QString& path);

#pragma once

#include <string>
#include <vector>

#include "CuratedTable.h"
#include "MimeSources.h"

// Merges our curated table with the MIME registries into the lines of the database:
// - every curated extension line is taken as it stands, and an extension that has curated
//   lines takes nothing from the registries (the curated lines know its real programs);
// - every other extension+type pair of a registry becomes a line when the type has a
//   description (our exact rule, else the first registry name, else one made from the type
//   name for images, sounds, videos, fonts, models and chemical data), a program and a
//   platform (each from the longest matching rule that names one); it is left out otherwise;
// - a line whose extension and file type (in any case) are already there is left out.
// The lines come out sorted by extension; an extension's curated lines keep their order (the
// most common meaning first), its registry lines go by file type. Texts stay UTF-8.

struct DatabaseSources {
    CuratedTable curated;
    std::vector<MimeSource> registries;  // the first that names a type wins
};

std::vector<std::string> BuildDatabaseLines(const DatabaseSources& sources);

// The file type for a MIME type whose registries give no name, or "" when none can be made:
// "image/x-canon-cr2" gives "Canon CR2 image".
std::string DescriptionFromTypeName(const std::string& type);

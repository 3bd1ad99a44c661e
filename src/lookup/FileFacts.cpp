#include "lookup/FileFacts.h"

#include "lookup/ExactExtension.h"
#include "lookup/TypeAgreement.h"

TFileFacts ExamineFile(const std::string& path, const TStringList& database,
                       TContentReader& reader) {
    TFileFacts facts;
    facts.file = path;
    facts.content = reader.Read(path);
    facts.extension = ExtensionOfName(path);
    facts.records = RecordsWithExtension(database, facts.extension);
    facts.nameType = NameTypeOf(path);
    facts.mismatch = NameAndContentDisagree(facts.nameType, facts.content.type);
    facts.applications = ApplicationsFor(TypeToOpen(facts.nameType, facts.content.type));
    return facts;
}

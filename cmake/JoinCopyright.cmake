# Writes OUTPUT: our notice (OURS), our licence (LICENCE), then the notice of the MIME
# registry package (REGISTRY).
file(READ ${OURS} ours)
file(READ ${LICENCE} licence)
file(READ ${REGISTRY} registry)
file(WRITE ${OUTPUT} "${ours}\n${licence}\nThe extension database carries the English type names of "
    "ruby-mime-types-data,\nunder the licence stated in its Debian copyright file:\n\n${registry}")

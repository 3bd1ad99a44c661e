# Writes OUTPUT: our notice (OURS), then the notice of the MIME registry package (REGISTRY).
file(READ ${OURS} ours)
file(READ ${REGISTRY} registry)
file(WRITE ${OUTPUT} "${ours}\nThe extension database carries the English type names of "
    "ruby-mime-types-data,\nunder the licence stated in its Debian copyright file:\n\n${registry}")

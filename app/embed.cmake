# cmake -DINPUT=<file> -DOUTPUT=<file.inc> -P embed.cmake
# Writes the bytes of INPUT as a comma-separated list for an array initialiser.
file(READ "${INPUT}" bytes HEX)
string(REGEX REPLACE "(..)" "0x\\1," bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "${bytes}\n")
# Unchanged output keeps its time stamp, so nothing recompiles needlessly.
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

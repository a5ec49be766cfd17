# Writes a C++ source that holds a file's bytes, so the program carries the file inside.
# Usage: cmake -DINPUT=file -DOUTPUT=source.cpp -DSYMBOL=name -DNAMESPACE=ns -P EmbedFile.cmake
file(READ ${INPUT} bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
file(WRITE ${OUTPUT}
  "// Generated from ${INPUT}; do not edit.\n"
  "#include <cstdint>\n#include <span>\n\n"
  "namespace ${NAMESPACE} {\nnamespace {\nconstexpr std::uint8_t kBytes[] = {${bytes}};\n}\n\n"
  "std::span<const std::uint8_t> ${SYMBOL}() {\n    return kBytes;\n}\n}\n")

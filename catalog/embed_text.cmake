# Turns one catalogue text into a C++ source holding its bytes, so that the program carries the
# text inside it and the loaders read it in place.
# Inputs: INPUT (text file), OUTPUT (source to write), SYMBOL (array name).
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}; do not edit.\n#include <cstddef>\n"
    "extern const char ${SYMBOL}[];\nextern const std::size_t ${SYMBOL}Size;\n"
    "const char ${SYMBOL}[] = {\n${bytes}0};\nconst std::size_t ${SYMBOL}Size = ${size};\n")

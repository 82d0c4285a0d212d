# cmake -DOUTPUT=<file.cpp> -DINPUTS=<a.dfm;b.dfm> -P EmbedForms.cmake
# Writes a C++ source that registers each form description at start-up.
set(code "// Generated from form descriptions; do not edit.\n#include \"platform/streaming/FormDescriptions.h\"\n\nnamespace {\n")
set(index 0)
foreach(input IN LISTS INPUTS)
  file(READ "${input}" text)
  string(APPEND code "const TFormDescriptionRegistrar description${index}(R\"pavane_dfm(${text})pavane_dfm\");\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND code "}  // namespace\n")
file(WRITE "${OUTPUT}.tmp" "${code}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)

# velmora_embed(<target> <function> <file>...)
#
# Embeds files into <target> at build time. Generates a source file that defines
#   std::span<const uint8_t> <function>(std::string_view name);
# (the function may carry a namespace, e.g. drive::EmbeddedPicture) which returns a
# file's bytes by its file name without extension, or an empty span for an unknown name.
# Declare the function yourself in a header of the layer.
function(velmora_embed target function)
  set(files ${ARGN})
  string(MAKE_C_IDENTIFIER "${function}" id)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embed_${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} -DFUNCTION=${function} "-DFILES=${files}"
            -P ${PROJECT_SOURCE_DIR}/cmake/EmbedGenerate.cmake
    DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/EmbedGenerate.cmake
    COMMENT "Embedding resources for ${function}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()

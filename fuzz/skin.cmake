# Fuzz targets of the skin container and description readers.
target_compile_options(velmora_skin_container PRIVATE -fsanitize=fuzzer-no-link)
target_compile_options(velmora_skin PRIVATE -fsanitize=fuzzer-no-link)

velmora_fuzz_target(fuzz_skin_container SkinContainerFuzz.cpp)
target_link_libraries(fuzz_skin_container PRIVATE velmora_skin)
velmora_fuzz_target(fuzz_skin_description SkinDescriptionFuzz.cpp)
target_link_libraries(fuzz_skin_description PRIVATE velmora_skin)

# Fuzz targets of the os layer: the settings file reader and the mount table reader.
velmora_fuzz_target(fuzz_ini ${CMAKE_CURRENT_SOURCE_DIR}/FuzzIni.cpp)
target_link_libraries(fuzz_ini PRIVATE velmora_os)
velmora_fuzz_target(fuzz_mountinfo ${CMAKE_CURRENT_SOURCE_DIR}/FuzzMountInfo.cpp)
target_link_libraries(fuzz_mountinfo PRIVATE velmora_os)

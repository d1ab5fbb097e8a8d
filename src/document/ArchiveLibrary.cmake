# dovalintra_archive: the byte layer of the project files. Every folder that needs it includes this
# file, so the target is defined once, by whichever comes first.
include_guard(GLOBAL)
dv_add_library(dovalintra_archive
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CArchiveReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CArchiveWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CLinkedStorage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompoundFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CompoundFileScreen.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DVAtomicFile.cpp
  DEPENDS Qt6::Core dovalintra_platform
  PRIVATE_DEPENDS PkgConfig::GSF)

# Tests of the archive reader and writer and of the compound-file layer.
include(${CMAKE_SOURCE_DIR}/src/document/ArchiveLibrary.cmake)

# The interoperability test reads our files with python3-olefile; prefer Debian's interpreter, which
# has it, over another python3 earlier on PATH.
if(NOT DV_OLEFILE_PYTHON)
  foreach(candidate /usr/bin/python3 python3)
    execute_process(COMMAND ${candidate} -c "import olefile" RESULT_VARIABLE olefile_missing
                    OUTPUT_QUIET ERROR_QUIET)
    if(olefile_missing EQUAL 0)
      set(DV_OLEFILE_PYTHON ${candidate} CACHE FILEPATH "Python interpreter that can import olefile")
      break()
    endif()
  endforeach()
endif()
if(NOT DV_OLEFILE_PYTHON)
  message(WARNING "No python3 with olefile found; the compound-file interoperability test will fail")
  set(DV_OLEFILE_PYTHON python3)
endif()

set(dir ${CMAKE_CURRENT_LIST_DIR}/archive)
dv_add_test(archive_tests
  SOURCES
    ${dir}/CArchiveWriterTest.cpp
    ${dir}/CArchiveReaderTest.cpp
    ${dir}/CompoundFileTest.cpp
    ${dir}/CompoundFileInteropTest.cpp
    ${dir}/CLinkedStorageTest.cpp
  DEPENDS dovalintra_archive)
target_compile_definitions(archive_tests PRIVATE DV_OLEFILE_PYTHON="${DV_OLEFILE_PYTHON}"
                                                 DV_READ_CONTENTS_SCRIPT="${dir}/read_contents.py")

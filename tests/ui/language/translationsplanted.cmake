# SPDX-License-Identifier: GPL-3.0-or-later
# The translation guard itself: in a scratch copy of the sources, one new
# text planted for translation must make translationsfinished.cmake fail,
# and name the text.
#   cmake -DSOURCE_DIR=<tree> -DLUPDATE=<lupdate> -DSCRATCH=<folder> -P translationsplanted.cmake
file(REMOVE_RECURSE ${SCRATCH})
foreach(_dir ui platform language)
  file(COPY ${SOURCE_DIR}/${_dir} DESTINATION ${SCRATCH}/tree)
endforeach()
file(WRITE ${SCRATCH}/tree/ui/planted.cpp
  "#include <QCoreApplication>\nQString Planted() { return QCoreApplication::translate(\"Planted\", \"Посаженный текст\"); }\n")
execute_process(
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${SCRATCH}/tree -DLUPDATE=${LUPDATE} -DSCRATCH=${SCRATCH}/ts
          -P ${CMAKE_CURRENT_LIST_DIR}/translationsfinished.cmake
  RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
file(REMOVE_RECURSE ${SCRATCH})
if(_result EQUAL 0)
  message(FATAL_ERROR "the guard let an untranslated text through")
endif()
if(NOT _out MATCHES "Посаженный текст")
  message(FATAL_ERROR "the guard failed without naming the planted text:\n${_out}")
endif()

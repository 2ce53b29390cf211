# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of every catalogue has its translation, and so has every text the
# sources ask to translate now: lupdate reads the sources into a scratch copy
# of each catalogue, where a text that is new since the catalogue was last
# updated shows as unfinished, as does one left untranslated.
#   cmake -DSOURCE_DIR=<tree> -DLUPDATE=<lupdate> -DSCRATCH=<folder> -P translationsfinished.cmake
file(GLOB _ts_files ${SOURCE_DIR}/language/tamrix_*.ts)
if(NOT _ts_files)
  message(FATAL_ERROR "no catalogue in ${SOURCE_DIR}/language")
endif()
file(MAKE_DIRECTORY ${SCRATCH})
set(_failed "")
foreach(_ts ${_ts_files})
  get_filename_component(_name ${_ts} NAME)
  set(_copy ${SCRATCH}/${_name})
  configure_file(${_ts} ${_copy} COPYONLY)
  # The same reading as the tamrix_lupdate target.
  execute_process(
    COMMAND ${LUPDATE} -silent -locations none -no-obsolete -extensions cpp,h
            ${SOURCE_DIR}/ui ${SOURCE_DIR}/platform ${SOURCE_DIR}/language -ts ${_copy}
    RESULT_VARIABLE _result OUTPUT_VARIABLE _out ERROR_VARIABLE _out)
  if(NOT _result EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${_name}: ${_out}")
  endif()
  foreach(_catalogue ${_ts} ${_copy})
    file(STRINGS ${_catalogue} _open REGEX "type=\"unfinished\"|<translation></translation>|<translation/>")
    list(LENGTH _open _count)
    if(_count GREATER 0)
      # The source texts without English, to say which they are.
      file(READ ${_catalogue} _text)
      string(REGEX MATCHALL "<source>[^<]*</source>[ \r\n]*<translation type=\"unfinished\"" _sources "${_text}")
      string(REGEX REPLACE "<source>([^<]*)</source>[^;]*unfinished\"" "\\1" _sources "${_sources}")
      list(APPEND _failed "${_catalogue}: ${_count} text(s) without a translation: ${_sources}")
    endif()
  endforeach()
endforeach()
if(_failed)
  string(REPLACE ";" "\n" _failed "${_failed}")
  message(FATAL_ERROR "${_failed}\n(cmake --build build --target tamrix_lupdate takes new texts into the catalogues)")
endif()

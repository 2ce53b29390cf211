# SPDX-License-Identifier: GPL-3.0-or-later
# Every text of every catalogue has its translation: after lupdate has taken
# in new source texts, they show here as unfinished until they are translated.
file(GLOB _ts_files ${SOURCE_DIR}/language/tamrix_*.ts)
if(NOT _ts_files)
  message(FATAL_ERROR "no catalogue in ${SOURCE_DIR}/language")
endif()
foreach(_ts ${_ts_files})
  file(STRINGS ${_ts} _open REGEX "type=\"unfinished\"|<translation></translation>|<translation/>")
  list(LENGTH _open _count)
  if(_count GREATER 0)
    message(FATAL_ERROR "${_ts}: ${_count} text(s) without a translation")
  endif()
endforeach()

# Includes run one way: every #include "folder/..." line of src/ names its own
# folder or one that the table below allows it, as the README's "Where things
# are" shows. A folder is the whole path of the file's directory, so that an
# engine's subfolder of speech is a folder of its own: it may use the speech
# folder itself, never a sibling, and the speech folder uses none of them.
#   cmake -DSORGENTI=<src folder> -P inclusioni.cmake
cmake_minimum_required(VERSION 3.25)
set(motori speech/espeak speech/pico speech/servizio)
set(permesse_shell exercises language clockface speech ${motori} feedback layout sound core)
set(permesse_exercises language clockface speech feedback layout sound core)
set(permesse_language core)
set(permesse_clockface layout core)
set(permesse_speech sound core)
foreach(motore IN LISTS motori)
  set(permesse_${motore} speech sound core)
endforeach()
set(permesse_feedback sound core)
set(permesse_layout core)
set(permesse_sound core)
set(permesse_core "")
set(permesse_radice shell) # main.cpp, beside the folders

file(GLOB_RECURSE file_sorgenti RELATIVE "${SORGENTI}" "${SORGENTI}/*.h" "${SORGENTI}/*.cpp")
if(NOT file_sorgenti)
  message(FATAL_ERROR "no source files under ${SORGENTI}")
endif()
set(contrarie "")
foreach(file IN LISTS file_sorgenti)
  get_filename_component(cartella "${file}" DIRECTORY)
  if(cartella STREQUAL "")
    set(cartella radice)
  endif()
  file(STRINGS "${SORGENTI}/${file}" righe REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/")
  foreach(riga IN LISTS righe)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)/[^\"/]*\".*$" "\\1" inclusa "${riga}")
    if(NOT inclusa STREQUAL cartella AND NOT inclusa IN_LIST permesse_${cartella})
      list(APPEND contrarie "${file}: ${riga}")
    endif()
  endforeach()
endforeach()
# The ground floor names nothing above it, not even by a forward declaration,
# which no include shows: each class it declares ahead (Qt's aside) has its
# own header in core/, as every file is named after the class it holds.
file(GLOB file_core RELATIVE "${SORGENTI}" "${SORGENTI}/core/*.h" "${SORGENTI}/core/*.cpp")
foreach(file IN LISTS file_core)
  file(STRINGS "${SORGENTI}/${file}" righe REGEX "^[ \t]*(class|struct) [A-Za-z_]+;")
  foreach(riga IN LISTS righe)
    string(REGEX REPLACE "^[ \t]*(class|struct) ([A-Za-z_]+);.*$" "\\2" nome "${riga}")
    if(NOT nome MATCHES "^Q" AND NOT EXISTS "${SORGENTI}/core/${nome}.h")
      list(APPEND contrarie "${file}: ${nome} declared ahead")
    endif()
  endforeach()
endforeach()
if(contrarie)
  list(JOIN contrarie "\n  " elenco)
  message(FATAL_ERROR "against the grain:\n  ${elenco}")
endif()

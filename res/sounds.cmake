# The sounds are synthesised at build time by quaxel_sounds. Included from res/CMakeLists.txt;
# the resource step embeds QUAXEL_SOUND_FILES, each under the alias waves/<id>.wav.
set(QUAXEL_SOUND_DIR ${CMAKE_CURRENT_BINARY_DIR}/generated)
set(QUAXEL_SOUND_IDS 100 107 108 109 110 112 121 122 123 124 125 126 127 128 129 130)

set(quaxel_sound_outputs "")
foreach(id IN LISTS QUAXEL_SOUND_IDS)
  set(wave ${QUAXEL_SOUND_DIR}/waves/${id}.wav)
  list(APPEND quaxel_sound_outputs ${wave})
  set_source_files_properties(${wave} PROPERTIES GENERATED TRUE QT_RESOURCE_ALIAS waves/${id}.wav)
endforeach()

add_custom_command(
  OUTPUT ${quaxel_sound_outputs}
  COMMAND quaxel_sounds ${QUAXEL_SOUND_DIR}
  DEPENDS quaxel_sounds
  COMMENT "Synthesising the sounds"
  VERBATIM)

list(APPEND QUAXEL_SOUND_FILES ${quaxel_sound_outputs})

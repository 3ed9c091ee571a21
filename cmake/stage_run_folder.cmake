# Copies content/data into RUN_DIR/data (files whose contents changed) and
# content/game.ini to RUN_DIR when the run folder has none. A player's
# game.ini, profiles.ini and data/profiles/ are never written here.
file(MAKE_DIRECTORY ${RUN_DIR}/data)
if(EXISTS ${SOURCE_DIR}/data)
  file(GLOB_RECURSE entries RELATIVE ${SOURCE_DIR}/data ${SOURCE_DIR}/data/*)
  foreach(entry ${entries})
    if(entry MATCHES "^[Pp][Rr][Oo][Ff][Ii][Ll][Ee][Ss]/")
      continue()
    endif()
    get_filename_component(sub ${entry} DIRECTORY)
    file(MAKE_DIRECTORY ${RUN_DIR}/data/${sub})
    file(COPY_FILE ${SOURCE_DIR}/data/${entry} ${RUN_DIR}/data/${entry} ONLY_IF_DIFFERENT)
  endforeach()
endif()
if(EXISTS ${SOURCE_DIR}/game.ini AND NOT EXISTS ${RUN_DIR}/game.ini)
  file(COPY_FILE ${SOURCE_DIR}/game.ini ${RUN_DIR}/game.ini)
endif()

# Fails when a file includes a header of a layer it must not reach: arrows point one way,
# app -> ui -> game -> engine, and cli -> protocol -> game -> engine; cli and soak are siblings
# that include nothing of each other. engine/strong, the strongest player, sits on engine and is
# named in includes as engine/strong/: nothing of engine/ itself reaches it, and train/, which fits
# its evaluation, reaches nothing above it; engine/book, the opening book, sits on engine/strong.
# Inside app/, each idea has a folder of its own, named in includes as app/<idea>/, below what
# composes the program at app/'s top: files/ and sound/ read settings/, and no idea reaches
# another sideways or back up to the top. cli/ is built the same way: its top composes the tool
# (the command line and the commands it runs), its commands sit in one folder per idea, named in
# includes as cli/<idea>/, and no idea reaches another sideways or back up to the top; json/,
# what every command writes, is read by all of them. Run with -DSOURCE=<project folder>.
cmake_minimum_required(VERSION 3.25)
set(app_ideas app/dialogs app/files app/language app/messages app/records app/settings app/sound)
set(cli_ideas cli/analysis cli/engines cli/json cli/measure)
set(allowed_engine engine)
set(allowed_engine/strong engine engine/strong)
set(allowed_engine/book engine engine/strong engine/book)
set(allowed_train engine engine/strong train)
set(allowed_game engine engine/strong engine/book game)
set(allowed_ui engine game ui)
set(allowed_app engine game ui app ${app_ideas})
set(allowed_app/dialogs engine game ui app/dialogs)
set(allowed_app/files engine game app/files app/settings)
set(allowed_app/language app/language)
set(allowed_app/messages engine game app/messages)
set(allowed_app/records engine game app/records)
set(allowed_app/settings app/settings)
set(allowed_app/sound engine game app/sound app/settings)
set(allowed_protocol engine engine/strong engine/book game protocol)
set(allowed_cli engine engine/strong engine/book game protocol cli ${cli_ideas})
set(allowed_cli/analysis engine engine/strong engine/book game cli/analysis cli/json)
set(allowed_cli/engines engine game protocol cli/engines cli/json)
set(allowed_cli/json cli/json)
set(allowed_cli/measure engine game cli/measure cli/json)
set(allowed_soak engine game soak)
set(allowed_bench engine engine/strong engine/book game ui cli/measure support)
set(allowed_fuzz engine game protocol cli app app/settings fuzz)
set(allowed_tests/engine engine engine/strong engine/book support)
set(allowed_tests/game engine engine/strong engine/book game support)
set(allowed_tests/ui engine game ui support)
set(allowed_tests/app engine game ui app ${app_ideas} support)
set(allowed_tests/protocol engine engine/strong engine/book game protocol support)
set(allowed_tests/cli engine engine/strong engine/book game protocol cli ${cli_ideas} support)
set(allowed_tests/soak engine game soak support)
set(allowed_tests/support engine game protocol support)
set(allowed_tests/e2e engine game)

set(failures 0)
# A folder under app/ or cli/ that is not one of its ideas has no place in the arrows above.
foreach(layer app cli)
  file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE} ${SOURCE}/${layer}/*)
  foreach(entry IN LISTS entries)
    if(IS_DIRECTORY ${SOURCE}/${entry} AND NOT entry IN_LIST ${layer}_ideas)
      message(SEND_ERROR "${entry}/ is not one of ${layer}/'s idea folders (${${layer}_ideas})")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endforeach()

foreach(folder engine engine/strong engine/book train game ui app ${app_ideas} protocol cli
               ${cli_ideas} soak bench fuzz tests/engine tests/game tests/ui tests/app
               tests/protocol tests/cli tests/soak tests/support tests/e2e)
  if(folder STREQUAL "app" OR folder STREQUAL "cli" OR folder STREQUAL "engine")
    # The top of the folder alone: its subfolders are checked on their own.
    file(GLOB files ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
  else()
    file(GLOB_RECURSE files ${SOURCE}/${folder}/*.h ${SOURCE}/${folder}/*.cpp)
  endif()
  foreach(file IN LISTS files)
    file(STRINGS ${file} includes REGEX "^#include \"[a-z]+/")
    foreach(line IN LISTS includes)
      if(line MATCHES "^#include \"(app/[a-z]+|cli/[a-z]+|engine/strong|engine/book)/")
        set(layer ${CMAKE_MATCH_1})
      else()
        string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" layer "${line}")
      endif()
      if(NOT layer IN_LIST allowed_${folder})
        message(SEND_ERROR "${file}: ${folder}/ must not include ${layer}/ (${line})")
        math(EXPR failures "${failures} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
if(failures EQUAL 0)
  message(STATUS "every include points down the layers")
endif()

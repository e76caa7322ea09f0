# The program's texts in other languages. English is the source; each other language is one file
# res/translations/flipstone_<language>.ts, which lrelease makes into a .qm file, and all of them
# are embedded in the program under :/flipstone/translations.
#
# `cmake --build --preset release --target update-translations` runs lupdate over the sources:
# it adds every new or changed text to each .ts file for its translator, with the comments for
# translators (`//:` before the text) and where the text is used. The places are relative: each
# line number counts from the text before it in the same file, so that a change to a source file
# moves the places of the texts near it and no others.
set(FLIPSTONE_LANGUAGES de es fr it nl pl pt_BR ru)
set(FLIPSTONE_TRANSLATIONS_DIR ${PROJECT_SOURCE_DIR}/res/translations)

find_program(FLIPSTONE_LRELEASE NAMES lrelease PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)
find_program(FLIPSTONE_LUPDATE NAMES lupdate PATHS /usr/lib/qt6/bin NO_DEFAULT_PATH REQUIRED)

# Embeds the translations in `target`; its code calls Q_INIT_RESOURCE(translations).
function(flipstone_embed_translations target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/translations)
  set(qrc ${folder}/translations.qrc)
  set(entries "")
  set(qm_files "")
  foreach(language IN LISTS FLIPSTONE_LANGUAGES)
    set(ts ${FLIPSTONE_TRANSLATIONS_DIR}/flipstone_${language}.ts)
    set(qm ${folder}/flipstone_${language}.qm)
    add_custom_command(OUTPUT ${qm}
                       COMMAND ${FLIPSTONE_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    string(APPEND entries "    <file>flipstone_${language}.qm</file>\n")
    list(APPEND qm_files ${qm})
  endforeach()
  file(WRITE ${qrc} "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
       "  <qresource prefix=\"/flipstone/translations\">\n${entries}  </qresource>\n</RCC>\n")
  set(source ${folder}/qrc_translations.cpp)
  add_custom_command(OUTPUT ${source}
                     COMMAND Qt6::rcc ${FLIPSTONE_RCC_OPTIONS} --name translations --output ${source} ${qrc}
                     DEPENDS ${qrc} ${qm_files} VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()

set(ts_files "")
foreach(language IN LISTS FLIPSTONE_LANGUAGES)
  list(APPEND ts_files ${FLIPSTONE_TRANSLATIONS_DIR}/flipstone_${language}.ts)
endforeach()
add_custom_target(update-translations
  COMMAND ${FLIPSTONE_LUPDATE} -silent -locations relative -no-obsolete -I ${PROJECT_SOURCE_DIR}
          -tr-function-alias QT_TRANSLATE_NOOP+=FLIPSTONE_TRANSLATABLE
          ${PROJECT_SOURCE_DIR}/app ${PROJECT_SOURCE_DIR}/ui ${PROJECT_SOURCE_DIR}/game
          -ts ${ts_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)

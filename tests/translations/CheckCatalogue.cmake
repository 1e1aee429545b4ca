# Run as a script: lupdate LUPDATE with OPTIONS over the files listed in
# SOURCES into COPY, a copy of CATALOGUE, which stays untouched. Fails, naming
# each, on a text left unfinished, obsolete or vanished in the copy, on a
# warning of lupdate (a text it could not place, out of any translation's
# reach), and when the copy is not the catalogue as it stands.
file(COPY_FILE ${CATALOGUE} ${COPY})
separate_arguments(options UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${LUPDATE} ${options} @${SOURCES} -ts ${COPY}
                RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE warnings)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${status}):\n${warnings}")
endif()

set(problems "")
if(warnings)
    string(APPEND problems "lupdate's warnings:\n${warnings}")
endif()
file(READ ${COPY} updated)
# A ";" would split the list of entries: it stands in as another character.
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" entries "${updated}")
set(element "<[a-z]+>[^<]*</[a-z]+>")
set(entry "<source>([^<]*)</source>([^<]|${element})*<translation type=\"([a-z]+)\"")
string(REGEX MATCHALL "${entry}" entries "${entries}")
set(untranslated 0)
foreach(found IN LISTS entries)
    string(REGEX MATCH "${entry}" found "${found}")
    string(REPLACE "${semicolon}" ";" source "${CMAKE_MATCH_1}")
    set(type "${CMAKE_MATCH_3}")
    if(type MATCHES "^(unfinished|obsolete|vanished)$")
        string(APPEND problems "${type}: ${source}\n")
        math(EXPR untranslated "${untranslated} + 1")
    endif()
endforeach()
file(READ ${CATALOGUE} committed)
if(NOT updated STREQUAL committed)
    string(APPEND problems
           "translations/corvelux_en.ts is not what lupdate makes of the sources: "
           "build the target update_translations and translate what it adds.\n")
endif()
if(problems)
    message("${problems}")
    message(FATAL_ERROR "translations/corvelux_en.ts is not complete (${untranslated} entries "
                        "unfinished, obsolete or vanished): see above.")
endif()

cmake_minimum_required(VERSION 3.25)
# Run with cmake -P: the texts of the sources into the catalogues, by lupdate.
# LUPDATE is the tool, SOURCE_DIR the project, CATALOGUES their file names in
# translations/. With SCRATCH, copies of the catalogues there are updated,
# the ones in the tree are left as they are, and it fails if a copy then has
# a text the committed catalogue lacks (unfinished) or no longer needs
# (vanished): the committed catalogues are stale.
set(folder ${SOURCE_DIR}/translations)
if(SCRATCH)
    file(REMOVE_RECURSE ${SCRATCH})
    file(MAKE_DIRECTORY ${SCRATCH})
    foreach(catalogue ${CATALOGUES})
        if(EXISTS ${folder}/${catalogue})
            file(COPY ${folder}/${catalogue} DESTINATION ${SCRATCH})
        endif()
    endforeach()
    set(folder ${SCRATCH})
else()
    # Texts no source holds any more are dropped, not kept as vanished.
    set(drop -no-obsolete)
endif()
foreach(catalogue ${CATALOGUES})
    # English holds only the plural forms; the source texts are its singular.
    set(plural_only)
    if(catalogue MATCHES "_en\\.ts$")
        set(plural_only -pluralonly)
    endif()
    # No line numbers: a catalogue changes when a text does, not when code moves.
    execute_process(COMMAND ${LUPDATE} -silent -locations none ${drop} ${plural_only} -extensions cpp,h
            ${SOURCE_DIR}/src -ts ${folder}/${catalogue}
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${catalogue}")
    endif()
endforeach()

if(SCRATCH)
    set(stale "")
    foreach(catalogue ${CATALOGUES})
        file(READ ${SCRATCH}/${catalogue} text)
        string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]*comment>[^<]*</[a-z]*comment>[^<]*)*<translation type=\"(unfinished|vanished|obsolete)\""
            found "${text}")
        foreach(entry ${found})
            string(REGEX REPLACE "^<source>([^<]*)</source>.*type=\"([a-z]*)\"$" "\\2: \\1" entry "${entry}")
            string(APPEND stale "\n  ${catalogue}: ${entry}")
        endforeach()
    endforeach()
    if(stale)
        message(FATAL_ERROR "the catalogues are stale; build the update_catalogues target and translate:${stale}")
    endif()
endif()

# The catalogue chores, run with cmake -P:
#   -DACTIE=bijwerken    extract the texts into <DOMEIN>/<DOMEIN>.pot and merge
#                        them into every <DOMEIN>/<ll>.po
#   -DACTIE=controleren  extract into POT (a file in the build tree) and check
#                        that <DOMEIN>/<TAAL>.po translates every text
# with -DDOMEIN=Trivanedesktop|VerelTamso, -DBRON=<root of the tree>,
# -DXGETTEXT=, -DMSGMERGE=, -DMSGCMP= the gettext tools.
cmake_minimum_required(VERSION 3.25)

# Where the texts of each catalogue live: the libraries of the maker, and the
# application.
if(DOMEIN STREQUAL "Trivanedesktop")
    set(mappen base swexternals)
elseif(DOMEIN STREQUAL "VerelTamso")
    set(mappen toepassing)
else()
    message(FATAL_ERROR "Unknown catalogue '${DOMEIN}'")
endif()

set(bronnen)
foreach(map IN LISTS mappen)
    file(GLOB_RECURSE gevonden RELATIVE ${BRON} ${BRON}/${map}/*.cpp ${BRON}/${map}/*.h)
    list(APPEND bronnen ${gevonden})
endforeach()
list(SORT bronnen)

set(katalogusMap ${BRON}/vertalingen/${DOMEIN})
if(ACTIE STREQUAL "bijwerken")
    set(POT ${katalogusMap}/${DOMEIN}.pot)
endif()

# The keywords of wxWidgets' translation macros.
set(opties --c++ --from-code=UTF-8 --force-po --sort-output --add-comments=TRANSLATORS:
    --package-name=${DOMEIN} --msgid-bugs-address= --add-location=file
    -k_ -kwxTRANSLATE -kwxGetTranslation -kwxPLURAL:1,2 -kwxGETTEXT_IN_CONTEXT:1c,2 -kwxTRANSLATE_IN_CONTEXT:1c,2)
if(bronnen)
    execute_process(COMMAND ${XGETTEXT} ${opties} -o ${POT} ${bronnen}
                    WORKING_DIRECTORY ${BRON} RESULT_VARIABLE uitkomst ERROR_VARIABLE meldingen)
else()
    # No texts yet: a template with the header alone.
    execute_process(COMMAND ${XGETTEXT} ${opties} -o ${POT} -
                    INPUT_FILE /dev/null WORKING_DIRECTORY ${BRON} RESULT_VARIABLE uitkomst ERROR_VARIABLE meldingen)
endif()
# xgettext always warns about the empty bug address; only a failure counts.
if(NOT uitkomst EQUAL 0)
    message(FATAL_ERROR "xgettext failed for ${DOMEIN}:\n${meldingen}")
endif()

if(ACTIE STREQUAL "bijwerken")
    file(GLOB vertalingen ${katalogusMap}/*.po)
    foreach(po IN LISTS vertalingen)
        execute_process(COMMAND ${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching ${po} ${POT}
                        RESULT_VARIABLE uitkomst)
        if(NOT uitkomst EQUAL 0)
            message(FATAL_ERROR "msgmerge failed for ${po}")
        endif()
    endforeach()
elseif(ACTIE STREQUAL "controleren")
    execute_process(COMMAND ${MSGCMP} ${katalogusMap}/${TAAL}.po ${POT} RESULT_VARIABLE uitkomst)
    if(NOT uitkomst EQUAL 0)
        message(FATAL_ERROR "${DOMEIN}/${TAAL}.po does not translate every text of the program; run "
                            "cmake --build <build> --target vertalingen_bijwerken and translate what is new")
    endif()
else()
    message(FATAL_ERROR "Unknown action '${ACTIE}'")
endif()

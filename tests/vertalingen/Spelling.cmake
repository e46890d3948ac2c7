# The English source texts of a catalogue template (-DPOT=) put no blank
# before "!", "?" or ":" and are free of the misspellings once found in them.
# -DMSGGREP= the gettext tool, -DKOPIE= a file it may write.
cmake_minimum_required(VERSION 3.25)

# A template names no charset, which msggrep refuses for texts outside ASCII.
file(READ ${POT} sjabloon)
string(REPLACE "charset=CHARSET" "charset=UTF-8" sjabloon "${sjabloon}")
file(WRITE ${KOPIE} "${sjabloon}")

set(fouten " [!?:]|MosCoW|save to it to|\\<an journalling|\\<an other\\>|may have error\\>|insert image|Kronor|Great Britain Pound|SQlite")
execute_process(COMMAND ${MSGGREP} --no-wrap --no-location -K -E -e "${fouten}" ${KOPIE}
                OUTPUT_VARIABLE gevonden RESULT_VARIABLE uitkomst)
if(NOT uitkomst EQUAL 0)
    message(FATAL_ERROR "msggrep failed on ${POT}")
endif()
# msggrep writes nothing, not even the header, when no text matches.
if(NOT gevonden STREQUAL "")
    message(FATAL_ERROR "${POT} holds misspelt texts:\n${gevonden}")
endif()

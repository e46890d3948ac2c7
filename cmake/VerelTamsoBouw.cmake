# Build helpers shared by every layer of the tree.

# ccache in front of the compilers when it is installed (and VT_CCACHE is
# on), also when the launcher was given as plain "ccache".
# - Its sloppiness lets it cache sources built with the precompiled headers:
#   it hashes the header's contents instead of trusting the time stamps and
#   macros, which change with every build of the header.
# - Paths below the source folder count relative to it, and the debug
#   information names them so (-fdebug-prefix-map), so that another clone
#   or worktree on the same machine finds what this one compiled.
function(vt_ccache)
    if(NOT VT_CCACHE)
        return()
    endif()
    find_program(VT_CCACHE_PROGRAMMA ccache)
    if(NOT VT_CCACHE_PROGRAMMA)
        return()
    endif()
    foreach(taal C CXX)
        if(NOT CMAKE_${taal}_COMPILER_LAUNCHER OR CMAKE_${taal}_COMPILER_LAUNCHER MATCHES "ccache$")
            set(CMAKE_${taal}_COMPILER_LAUNCHER
                env CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
                CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} ${VT_CCACHE_PROGRAMMA} PARENT_SCOPE)
        endif()
    endforeach()
    add_compile_options(-fdebug-prefix-map=${CMAKE_SOURCE_DIR}=.)
endfunction()

# What nearly every source includes, parsed once per build instead of once
# per source. The libraries get wxBase only, so that a layer without windows
# still cannot use a GUI class without including it; the tests also get
# GoogleTest and the GUI headers of the test support.
set(VT_VOORVERTAALD_WX
    <algorithm> <functional> <memory> <string> <utility> <vector>
    <wx/arrstr.h> <wx/datetime.h> <wx/filename.h> <wx/fileconf.h> <wx/intl.h> <wx/log.h> <wx/string.h>)
set(VT_VOORVERTAALD_TEST ${VT_VOORVERTAALD_WX}
    <gtest/gtest.h> <wx/app.h> <wx/colour.h> <wx/font.h> <wx/image.h> <wx/toplevel.h> <wx/wxsqlite3.h>)

# A target that only builds precompiled headers, with the libraries it takes
# its compile flags from; other targets reuse its headers (vt_gebruik_
# voorvertaald), which is allowed because every target of the tree compiles
# with the same flags.
function(vt_voorvertaald naam)
    cmake_parse_arguments(V "" "" "HEADERS" ${ARGN})
    if(NOT VT_VOORVERTAALD)
        return()
    endif()
    add_library(${naam} OBJECT ${CMAKE_SOURCE_DIR}/cmake/voorvertaald/leeg.cpp)
    target_link_libraries(${naam} PRIVATE ${V_UNPARSED_ARGUMENTS})
    target_precompile_headers(${naam} PRIVATE ${V_HEADERS})
endfunction()

function(vt_gebruik_voorvertaald doel bron)
    if(VT_VOORVERTAALD AND TARGET ${bron})
        target_precompile_headers(${doel} REUSE_FROM ${bron})
    endif()
endfunction()

# wxWidgets as two targets with their headers as system headers, so that
# -Wall -Wextra speaks about our code only: `wx::base`, wxBase alone (strings,
# dates, files, configuration, the log), and `wx::wx`, wxBase with the GUI
# libraries on GTK. Both compile with the same flags, so that one precompiled
# header serves targets of either.
function(vt_wxwidgets)
    find_program(VT_WX_CONFIG wx-config REQUIRED)
    vt_wx_doel(vt_wxbase base)
    vt_wx_doel(vt_wx std,richtext,html,net,xml,aui)
    add_library(wx::base ALIAS vt_wxbase)
    add_library(wx::wx ALIAS vt_wx)
    # A library on wxBase alone compiles its own sources as wxBase's own are
    # compiled: a GUI header does not compile there. Its users, which may
    # have windows, do not get the setting.
    add_library(vt_alleen_wxbase INTERFACE)
    target_compile_definitions(vt_alleen_wxbase INTERFACE wxUSE_GUI=0)
endfunction()

function(vt_wx_doel doel componenten)
    execute_process(COMMAND ${VT_WX_CONFIG} --cxxflags ${componenten}
                    OUTPUT_VARIABLE cxxflags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${VT_WX_CONFIG} --libs ${componenten}
                    OUTPUT_VARIABLE libs OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(cxxflags UNIX_COMMAND "${cxxflags}")
    separate_arguments(libs UNIX_COMMAND "${libs}")
    set(includes)
    set(defines)
    set(opties)
    foreach(vlag IN LISTS cxxflags)
        if(vlag MATCHES "^-I(.*)")
            list(APPEND includes ${CMAKE_MATCH_1})
        elseif(vlag STREQUAL "-DwxUSE_GUI=0")
            # vt_alleen_wxbase's, for the library's own sources only.
        elseif(vlag MATCHES "^-D(.*)")
            list(APPEND defines ${CMAKE_MATCH_1})
        else()
            list(APPEND opties ${vlag})
        endif()
    endforeach()
    add_library(${doel} INTERFACE)
    target_include_directories(${doel} SYSTEM INTERFACE ${includes})
    target_compile_definitions(${doel} INTERFACE ${defines})
    target_compile_options(${doel} INTERFACE ${opties})
    target_link_libraries(${doel} INTERFACE ${libs})
endfunction()

# A target's sources compiled in units of several sources each (a unity
# build): the headers they share are read, and the inline code and templates
# they use compiled, once per unit instead of once per source. Only the
# sources directly in the target's own folder join a unit; on their own
# compile those taken from elsewhere, which other targets share, those that
# include Xlib, whose macros (Status, Window, None) would break the sources
# after them, and those named after the folder: name a source there when it
# defines a name of its own (in an unnamed namespace) that another source of
# the folder defines too. Decided at the end of the folder's CMakeLists.txt,
# when the target has all its sources.

function(vt_eenheden doel map)
    if(NOT VT_EENHEDEN)
        return()
    endif()
    set_target_properties(${doel} PROPERTIES UNITY_BUILD ON)
    # GCC takes a source in a unit for a header, and a class derived from one
    # in an unnamed namespace (a test's fixture) for a fault there.
    target_compile_options(${doel} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-Wno-subobject-linkage>)
    set(apart)
    foreach(bron IN LISTS ARGN)
        cmake_path(ABSOLUTE_PATH bron BASE_DIRECTORY ${map} NORMALIZE OUTPUT_VARIABLE bron)
        list(APPEND apart ${bron})
    endforeach()
    cmake_language(EVAL CODE "cmake_language(DEFER CALL vt_eenheden_afronden [[${doel}]] [[${map}]] [[${apart}]])")
endfunction()

function(vt_eenheden_afronden doel map apart)
    get_target_property(bronnen ${doel} SOURCES)
    foreach(bron IN LISTS bronnen)
        cmake_path(ABSOLUTE_PATH bron BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} NORMALIZE OUTPUT_VARIABLE pad)
        cmake_path(GET pad PARENT_PATH bronMap)
        set(xlib)
        if(EXISTS ${pad})
            file(STRINGS ${pad} xlib REGEX "^[ \t]*#[ \t]*include[ \t]*<X11/" LIMIT_COUNT 1)
        endif()
        if(NOT bronMap STREQUAL map OR pad IN_LIST apart OR xlib)
            set_source_files_properties(${bron} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
        endif()
    endforeach()
endfunction()

# One library per layer: every source in the layer's own folder (not in its
# sub-folders, which may hold another layer) and the extra sources named,
# headers included from the root of the tree as "folder/Class.h". With
# WXBASE the library builds on wxBase alone: it links no GUI library and its
# sources cannot include a GUI header.
function(vt_bibliotheek naam map)
    cmake_parse_arguments(B "WXBASE" "" "APART" ${ARGN})
    file(GLOB bronnen CONFIGURE_DEPENDS ${map}/*.cpp)
    file(GLOB koppen CONFIGURE_DEPENDS ${map}/*.h)
    add_library(${naam} STATIC ${bronnen} ${koppen} ${B_UNPARSED_ARGUMENTS})
    set_target_properties(${naam} PROPERTIES LINKER_LANGUAGE CXX)
    if(B_WXBASE)
        target_link_libraries(${naam} PUBLIC wx::base PRIVATE vt_alleen_wxbase)
        vt_gebruik_voorvertaald(${naam} vt_voorvertaald_wxbase)
    else()
        vt_gebruik_voorvertaald(${naam} vt_voorvertaald_wx)
    endif()
    target_include_directories(${naam} PUBLIC ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/gegenereerd)
    vt_eenheden(${naam} ${map} ${B_APART})
endfunction()

# Runs a command on an X server of its own; the server picks a free display
# number itself, so GUI tests run side by side, from several worktrees too.
set(VT_XSERVER ${CMAKE_SOURCE_DIR}/scripts/eigenXserver.sh CACHE INTERNAL "")

# One test program per layer: every *.cpp in the test folder. With GUI the
# program runs on an X server of its own, of the size SCHERM; with more sizes
# it runs once on each, the later runs named after their size.
function(vt_test naam map)
    cmake_parse_arguments(T "GUI" "" "LIBS;SCHERM;APART" ${ARGN})
    file(GLOB bronnen CONFIGURE_DEPENDS ${map}/*.cpp ${map}/*.h)
    add_executable(${naam} ${bronnen})
    target_link_libraries(${naam} PRIVATE ${T_LIBS})
    vt_gebruik_voorvertaald(${naam} vt_voorvertaald_test)
    vt_eenheden(${naam} ${map} ${T_APART})
    # In <build>/bin, as an installed program in <prefix>/bin: the message
    # catalogues of the build tree lie where the program looks for them.
    set_target_properties(${naam} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(TARGET vertalingen)
        add_dependencies(${naam} vertalingen)
    endif()
    if(T_GUI)
        target_link_libraries(${naam} PRIVATE testondersteuning_gui)
        if(NOT T_SCHERM)
            set(T_SCHERM 1280x1024x24)
        endif()
        set(testNamen)
        foreach(scherm IN LISTS T_SCHERM)
            if(testNamen)
                string(REGEX REPLACE "x[0-9]+$" "" maat ${scherm})
                set(testNaam ${naam}_${maat})
            else()
                set(testNaam ${naam})
            endif()
            add_test(NAME ${testNaam} COMMAND ${VT_XSERVER} --scherm ${scherm} $<TARGET_FILE:${naam}>)
            list(APPEND testNamen ${testNaam})
        endforeach()
    else()
        target_link_libraries(${naam} PRIVATE testondersteuning_basis)
        add_test(NAME ${naam} COMMAND ${naam})
        set(testNamen ${naam})
        # Without windows means without a display: one the caller has must
        # not make a test pass that needs it.
        set_tests_properties(${naam} PROPERTIES ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:")
    endif()
    set_tests_properties(${testNamen} PROPERTIES TIMEOUT 900)
    if(VT_SANITIZE AND T_GUI)
        # GTK and fontconfig keep caches for the life of the process; their
        # "leaks" are not ours. Memory errors are still caught.
        set_tests_properties(${testNamen} PROPERTIES ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0")
    endif()
endfunction()

# Fails when a program links GTK, GDK, X11 or wxWidgets' GUI libraries,
# directly or through another library:
#   cmake -DPROGRAMMA=<program> -DLAAG=<layer> -P ZonderGtk.cmake
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ldd ${PROGRAMMA} OUTPUT_VARIABLE bibliotheken RESULT_VARIABLE fout)
if(fout)
    message(FATAL_ERROR "ldd ${PROGRAMMA} failed (${fout})")
endif()
string(REGEX MATCHALL "lib(gtk|gdk|X11|wx_gtk)[^ \t\n]*" gui "${bibliotheken}")
if(gui)
    list(REMOVE_DUPLICATES gui)
    list(JOIN gui "\n  " lijst)
    message(FATAL_ERROR "The layer ${LAAG} must build without windows, but ${PROGRAMMA}, "
                        "which links nothing but the layer, loads\n  ${lijst}")
endif()
message(STATUS "${LAAG} links no GUI library")

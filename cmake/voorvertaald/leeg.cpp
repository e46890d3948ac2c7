// The one source of a target that only exists to build precompiled headers
// for the others (cmake/VerelTamsoBouw.cmake, vt_voorvertaald).

# uchardet, the character-set detector of the desktop build, compiled from its Debian source
# (scripts/build-web.sh fetches uchardet_0.0.7.orig.tar.xz, the source of Debian's libuchardet0
# 0.0.7-1, which applies no patch, and names the folder it unpacked to) into the web module, so
# the element guesses the set of a standard SGF file that names none exactly as the desktop does.
# A static library of the detector alone, without its command-line tool.
set(XVEXO_UCHARDET_SOURCE "" CACHE PATH "The unpacked uchardet 0.0.7 source (web build)")
if(NOT EXISTS "${XVEXO_UCHARDET_SOURCE}/src/uchardet.h")
  message(FATAL_ERROR "XVEXO_UCHARDET_SOURCE must name the unpacked uchardet 0.0.7 source "
                      "(scripts/build-web.sh fetches it)")
endif()
file(GLOB uchardet_sources "${XVEXO_UCHARDET_SOURCE}/src/*.cpp"
                           "${XVEXO_UCHARDET_SOURCE}/src/LangModels/*.cpp")
add_library(xvexo_uchardet STATIC ${uchardet_sources})
target_include_directories(xvexo_uchardet SYSTEM PUBLIC "${XVEXO_UCHARDET_SOURCE}/src")
target_compile_definitions(xvexo_uchardet PRIVATE VERSION="0.0.7" BUILDING_UCHARDET)
# Its own code, built as its authors build it (C++11), small; our warnings are not its.
set_target_properties(xvexo_uchardet PROPERTIES CXX_STANDARD 11)
target_compile_options(xvexo_uchardet PRIVATE -Oz -w)

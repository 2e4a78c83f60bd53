# Fails when code below the program's start-up reaches the application-wide language manager
# (`language::LangMan()`, or its header) instead of the translator it was handed.
# cmake -DROOT=<source folder> -P GlobalLanguageManager.cmake
cmake_minimum_required(VERSION 3.20)
set(folders app commands dialogs documents drivers editor form language records simulator
            textexport transfer wirelink)
# Where the program is wired at start-up, and the manager itself.
set(allowed
  language/LangMan.h
  language/LangMan.cpp
  dialogs/ApplicationStartup.cpp
  editor/EditorApp.cpp
  editor/ScreenshotMain.cpp)
set(reaching "")
foreach(folder IN LISTS folders)
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  foreach(source IN LISTS sources)
    if(source IN_LIST allowed)
      continue()
    endif()
    file(STRINGS ${ROOT}/${source} hits REGEX "LangMan\\(\\)|language/LangMan\\.h")
    if(hits)
      list(APPEND reaching ${source})
    endif()
  endforeach()
endforeach()
if(reaching)
  message(FATAL_ERROR "reach the global language manager instead of their translator: ${reaching}")
endif()

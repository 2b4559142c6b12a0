# The program in the browser, brivan.js and brivan.wasm, which the page (web/) loads (included
# from src/CMakeLists.txt).
add_executable(brivan app/page_main.cpp)
set_target_properties(brivan PROPERTIES SUFFIX ".js")
target_link_libraries(brivan PRIVATE brivan_page brivan_core)
# One module the page creates (createBrivan), for browsers only, without a file system, and without
# eval or new Function, so that the page's Content-Security-Policy needs no 'unsafe-eval'. The
# program keeps running after main returns.
target_link_options(brivan PRIVATE
  -lembind
  -sMODULARIZE=1 -sEXPORT_NAME=createBrivan
  -sENVIRONMENT=web -sFILESYSTEM=0 -sDYNAMIC_EXECUTION=0
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=4mb -sSTACK_SIZE=256kb
  -sEXIT_RUNTIME=0 -sINCOMING_MODULE_JS_API=onAbort,onRuntimeInitialized,locateFile,print,printErr)
brivan_warnings(brivan)

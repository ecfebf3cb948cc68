# The Windows program installs as one folder: the .exe beside its modules, sounds and help, Qt's
# DLLs and plugins, and MinGW's runtime. scripts/windows/package.sh turns the folder into a
# portable zip and an NSIS installer.
install(TARGETS Orebell_III RUNTIME DESTINATION .)
install(TARGETS ${OREBELL_MODULES} LIBRARY DESTINATION . RUNTIME DESTINATION .)

# The plugins the program loads: the windows platform, its style, the SQLite driver.
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
install(FILES $<TARGET_FILE:Qt6::QSQLiteDriverPlugin> DESTINATION sqldrivers)
# Qt looks for its plugins beside the program, never where the kit was built.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/qt.conf "[Paths]\nPrefix = .\nPlugins = .\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qt.conf DESTINATION .)

# Every DLL those load that Windows itself does not provide, found in the kit and MinGW.
get_target_property(OREBELL_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(OREBELL_QT_BIN ${OREBELL_QT_CORE_DLL} DIRECTORY)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE OREBELL_MINGW_STDCXX OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE OREBELL_MINGW_PTHREAD OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(OREBELL_MINGW_GCC_DIR ${OREBELL_MINGW_STDCXX} DIRECTORY)
get_filename_component(OREBELL_MINGW_LIB_DIR ${OREBELL_MINGW_PTHREAD} DIRECTORY)
install(CODE "
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows/deploy-dlls.sh
                            \"\${CMAKE_INSTALL_PREFIX}\" ${OREBELL_QT_BIN} ${OREBELL_MINGW_GCC_DIR} ${OREBELL_MINGW_LIB_DIR}
                    RESULT_VARIABLE deployed)
    if(NOT deployed EQUAL 0)
        message(FATAL_ERROR \"The program's DLLs could not all be found\")
    endif()")

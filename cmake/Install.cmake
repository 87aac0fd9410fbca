# What `cmake --install build --prefix <prefix>` puts in place, as a desktop expects:
#   bin/tazmir-korvu                 the program, and beside it the sounds it plays
#   <libdir>/tazmir-korvu/webpane.so the web-pane plugin, found relative to the program
#   share/applications/tazmir-korvu.desktop   the entry in the desktop's menu
#   share/icons/hicolor/64x64/apps/tazmir-korvu.png

install(TARGETS tazmir-korvu RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS korvu_webpane LIBRARY DESTINATION ${KORVU_PLUGIN_INSTALL_DIR})
# The program looks for its sounds in its own folder.
install(FILES ${PROJECT_SOURCE_DIR}/resources/send.wav DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tazmir-korvu.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps)

# The menu entry names the program by its full path, so it starts whether or not
# the prefix's bin folder is on the desktop's PATH. The prefix is known only at
# install time (--prefix), so the entry is written then, by korvu-menu-entry,
# which quotes the path as the program's start-at-login entry does.
set(korvu_desktop_entry ${CMAKE_CURRENT_BINARY_DIR}/tazmir-korvu.desktop)
install(CODE "
    execute_process(
        COMMAND \"$<TARGET_FILE:korvu-menu-entry>\"
                \"${PROJECT_SOURCE_DIR}/resources/tazmir-korvu.desktop.in\" \"${korvu_desktop_entry}\"
                \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/tazmir-korvu\"
        COMMAND_ERROR_IS_FATAL ANY)
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE FILES \"${korvu_desktop_entry}\")
" COMPONENT menu-entry)

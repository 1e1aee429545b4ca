# Run by CPack on the staged files, before they are packed
# (CPACK_PRE_BUILD_SCRIPTS): strips the program and its print module as
# Debian's own packages are stripped, dropping the debugging symbols and the
# compiler's .comment and .note sections; the module keeps the symbols it
# exports.
set(staged "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
execute_process(
    COMMAND "${CPACK_CORVELUX_STRIP}" --remove-section=.comment --remove-section=.note
            "${staged}/${CPACK_CORVELUX_PROGRAM}"
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(
    COMMAND "${CPACK_CORVELUX_STRIP}" --strip-unneeded --remove-section=.comment
            --remove-section=.note "${staged}/${CPACK_CORVELUX_MODULE}"
    COMMAND_ERROR_IS_FATAL ANY)

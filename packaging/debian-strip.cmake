# Run by CPack on the staged files, before they are packed
# (CPACK_PRE_BUILD_SCRIPTS): strips the program as Debian's own packages are
# stripped, dropping the debugging symbols and the compiler's .comment and
# .note sections.
execute_process(
    COMMAND "${CPACK_CORVELUX_STRIP}" --remove-section=.comment --remove-section=.note
            "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_CORVELUX_PROGRAM}"
    COMMAND_ERROR_IS_FATAL ANY)

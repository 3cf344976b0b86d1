# Writes the menu entry from its template, naming the program by the path it
# is installed at. Expects:
#   sortilo_program    the installed program's path
#   sortilo_template   com.velmorasoft.LVSortilo.desktop.in
#   sortilo_entry      the entry to write
#
# Exec takes a path with characters that the desktop entry format reserves in
# double quotes, with ", `, $ and \ escaped, and every \ doubled once more
# for the entry's string value.
set(SORTILO_PROGRAM "${sortilo_program}")
if(SORTILO_PROGRAM MATCHES "[^A-Za-z0-9/._+-]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" SORTILO_PROGRAM "${SORTILO_PROGRAM}")
    string(REPLACE "\\" "\\\\" SORTILO_PROGRAM "${SORTILO_PROGRAM}")
    set(SORTILO_PROGRAM "\"${SORTILO_PROGRAM}\"")
endif()
configure_file("${sortilo_template}" "${sortilo_entry}" @ONLY)

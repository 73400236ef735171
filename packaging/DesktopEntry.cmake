# Writes the desktop entry at install time, when the prefix is known (cmake
# --install --prefix, or /usr for the Debian package). Included by the install
# code of packaging/CMakeLists.txt, which sets:
#   QUILLMERE_ENTRY_TEMPLATE  the .desktop.in file
#   QUILLMERE_ENTRY_OUT       where to write the entry before installing it
#   QUILLMERE_BINDIR, QUILLMERE_DATADIR   the install folders, relative to the prefix or absolute
#
# Exec= names the installed program by its full path, so that a menu launch
# works whether or not the prefix's bin folder is on the desktop's PATH. Only
# under /usr does it keep the bare name, as Debian's own entries do.
# Path= names the folder of the installed texts, which the program reads from
# its working folder.

function(quillmere_install_dir out dir)
    if(IS_ABSOLUTE "${dir}")
        set(${out} "${dir}" PARENT_SCOPE)
    else()
        set(${out} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

# A value of type string in a desktop entry: backslash and control characters escaped.
function(quillmere_entry_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\n" "\\n" value "${value}")
    string(REPLACE "\t" "\\t" value "${value}")
    string(REPLACE "\r" "\\r" value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

# One argument of an Exec= line: double-quoted when it holds anything beyond
# letters, digits and / . _ + - (inside the quotes " ` $ and \ take a
# backslash), % doubled, then escaped as a string value.
function(quillmere_exec_argument out value)
    if(value MATCHES "[^A-Za-z0-9/._+-]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" value "${value}")
        set(value "\"${value}\"")
    endif()
    string(REPLACE "%" "%%" value "${value}")
    quillmere_entry_string(value "${value}")
    set(${out} "${value}" PARENT_SCOPE)
endfunction()

quillmere_install_dir(quillmere_bindir "${QUILLMERE_BINDIR}")
quillmere_install_dir(quillmere_datadir "${QUILLMERE_DATADIR}")
string(REGEX REPLACE "/+$" "" quillmere_bindir "${quillmere_bindir}")

if(quillmere_bindir STREQUAL "/usr/bin")
    set(QUILLMERE_EXEC quillmere-tarot)
else()
    quillmere_exec_argument(QUILLMERE_EXEC "${quillmere_bindir}/quillmere-tarot")
endif()
quillmere_entry_string(QUILLMERE_TEXT_DIR "${quillmere_datadir}/quillmere-tarot")

configure_file("${QUILLMERE_ENTRY_TEMPLATE}" "${QUILLMERE_ENTRY_OUT}" @ONLY)
